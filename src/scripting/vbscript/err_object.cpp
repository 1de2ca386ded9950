#include "scripting/vbscript/err_object.h"

#include "base/unicode_case.h"

namespace sw::vbs {
namespace {
enum Member { kNumber = 1, kDescription, kSource, kHelpFile, kHelpContext, kClear, kRaise };
}

namespace {

// COM failure codes and the script error numbers they stand for.
struct HresultMapping {
  uint32_t hresult;
  int number;
};

constexpr HresultMapping kHresults[] = {
    {0x80004001u, vberr::kActionNotSupported},          // E_NOTIMPL
    {0x80004002u, vberr::kNoAutomation},                // E_NOINTERFACE
    {0x80020001u, vberr::kNotSupported},                // DISP_E_UNKNOWNINTERFACE
    {0x80020003u, vberr::kNotSupported},                // DISP_E_MEMBERNOTFOUND
    {0x80020004u, vberr::kNamedArgumentNotFound},       // DISP_E_PARAMNOTFOUND
    {0x80020005u, vberr::kTypeMismatch},                // DISP_E_TYPEMISMATCH
    {0x80020006u, vberr::kNotSupported},                // DISP_E_UNKNOWNNAME
    {0x80020007u, vberr::kNamedArgumentsNotSupported},  // DISP_E_NONAMEDARGS
    {0x80020008u, vberr::kUnsupportedAutomationType},   // DISP_E_BADVARTYPE
    {0x8002000Au, vberr::kOverflow},                    // DISP_E_OVERFLOW
    {0x8002000Bu, vberr::kSubscriptOutOfRange},         // DISP_E_BADINDEX
    {0x8002000Cu, vberr::kLocaleNotSupported},          // DISP_E_UNKNOWNLCID
    {0x8002000Du, vberr::kArrayLocked},                 // DISP_E_ARRAYISLOCKED
    {0x8002000Eu, vberr::kWrongArguments},              // DISP_E_BADPARAMCOUNT
    {0x8002000Fu, vberr::kArgumentNotOptional},         // DISP_E_PARAMNOTOPTIONAL
    {0x80020011u, vberr::kNotACollection},              // DISP_E_NOTACOLLECTION
    {0x80020012u, vberr::kDivisionByZero},              // DISP_E_DIVBYZERO
    {0x8002802Fu, vberr::kDllFunctionNotFound},         // TYPE_E_DLLFUNCTIONNOTFOUND
    {0x80028CA0u, vberr::kTypeMismatch},                // TYPE_E_TYPEMISMATCH
    {0x80028CA1u, vberr::kSubscriptOutOfRange},         // TYPE_E_OUTOFBOUNDS
    {0x80028CA2u, vberr::kDeviceIoError},               // TYPE_E_IOERROR
    {0x80028CA3u, vberr::kCannotCreateTempFile},        // TYPE_E_CANTCREATETMPFILE
    {0x80030002u, vberr::kAutomationFileNotFound},      // STG_E_FILENOTFOUND
    {0x80030003u, vberr::kPathNotFound},                // STG_E_PATHNOTFOUND
    {0x80030004u, vberr::kTooManyFiles},                // STG_E_TOOMANYOPENFILES
    {0x80030005u, vberr::kPermissionDenied},            // STG_E_ACCESSDENIED
    {0x80030008u, vberr::kOutOfMemory},                 // STG_E_INSUFFICIENTMEMORY
    {0x80030012u, vberr::kTooManyFiles},                // STG_E_NOMOREFILES
    {0x80030013u, vberr::kPermissionDenied},            // STG_E_DISKISWRITEPROTECTED
    {0x8003001Du, vberr::kDeviceIoError},               // STG_E_WRITEFAULT
    {0x8003001Eu, vberr::kDeviceIoError},               // STG_E_READFAULT
    {0x80030020u, vberr::kPathFileAccessError},         // STG_E_SHAREVIOLATION
    {0x80030021u, vberr::kPermissionDenied},            // STG_E_LOCKVIOLATION
    {0x80030050u, vberr::kFileAlreadyExists},           // STG_E_FILEALREADYEXISTS
    {0x80030070u, vberr::kDiskFull},                    // STG_E_MEDIUMFULL
    {0x800300FCu, vberr::kFileNotFound},                // STG_E_INVALIDNAME
    {0x80030100u, vberr::kPermissionDenied},            // STG_E_INUSE
    {0x80030101u, vberr::kPermissionDenied},            // STG_E_NOTCURRENT
    {0x80030103u, vberr::kDeviceIoError},               // STG_E_CANTSAVE
    {0x80040154u, vberr::kCannotCreateObject},          // REGDB_E_CLASSNOTREG
    {0x800401E3u, vberr::kCannotCreateObject},          // MK_E_UNAVAILABLE
    {0x800401E6u, vberr::kAutomationFileNotFound},      // MK_E_INVALIDEXTENSION
    {0x800401EAu, vberr::kAutomationFileNotFound},      // MK_E_CANTOPENFILE
    {0x800401F3u, vberr::kCannotCreateObject},          // CO_E_CLASSSTRING
    {0x800401F5u, vberr::kCannotCreateObject},          // CO_E_APPNOTFOUND
    {0x800401FEu, vberr::kCannotCreateObject},          // CO_E_APPDIDNTREG
    {0x80070005u, vberr::kPermissionDenied},            // E_ACCESSDENIED
    {0x8007000Eu, vberr::kOutOfMemory},                 // E_OUTOFMEMORY
    {0x80070057u, vberr::kInvalidProcedureCall},        // E_INVALIDARG
    {0x800706BAu, vberr::kRemoteServerUnavailable},     // RPC_E_SERVER_UNAVAILABLE
    {0x80080005u, vberr::kCannotCreateObject},          // CO_E_SERVER_EXEC_FAILURE
};

}  // namespace

int32_t MapErrorNumber(int32_t n) {
  if (n >= 0) return n;
  uint32_t u = static_cast<uint32_t>(n);
  // Script errors carried as failure codes: facility "control" (0x800A0000 + number).
  if ((u & 0xFFFF0000u) == 0x800A0000u) return static_cast<int32_t>(u & 0xFFFF);
  for (const HresultMapping& m : kHresults)
    if (m.hresult == u) return m.number;
  return n;
}

int ErrObject::FindMember(std::string_view name) {
  std::string l = FoldCase(name);
  if (l == "number") return kNumber;
  if (l == "description") return kDescription;
  if (l == "source") return kSource;
  if (l == "helpfile") return kHelpFile;
  if (l == "helpcontext") return kHelpContext;
  if (l == "clear") return kClear;
  if (l == "raise") return kRaise;
  return kUnknownMember;
}

void ErrObject::Clear() {
  number = 0;
  description.clear();
  source.clear();
  helpfile.clear();
  helpcontext = 0;
}

void ErrObject::Record(const VbError& e) {
  number = MapErrorNumber(e.number());
  description = e.description();
  if (auto* r = dynamic_cast<const RaisedError*>(&e)) {
    source = r->source;
    helpfile = r->helpfile;
    helpcontext = r->helpcontext;
  } else {
    source = e.number() >= 1000 && e.number() < 1100 ? kCompileSource : kRuntimeSource;
    helpfile.clear();
    helpcontext = 0;
  }
}

void ErrObject::Raise(Args a) {
  if (a.empty()) throw VbError(vberr::kWrongArguments);
  int32_t n = a[0].ToLong();
  if (n == 0 || n >= 65536) throw VbError(vberr::kInvalidProcedureCall);
  int32_t mapped = MapErrorNumber(n);
  // Left-out arguments keep the current values; after a Clear they take the defaults.
  bool keep = number != 0;
  std::string src = a.size() > 1 && !a.IsMissing(1) ? a[1].ToUtf8()
                    : keep                          ? source
                                                    : std::string(kRuntimeSource);
  std::string desc;
  if (a.size() > 2 && !a.IsMissing(2))
    desc = a[2].ToUtf8();
  else if (keep)
    desc = description;
  else
    desc = mapped > 0 && mapped < 65536 ? VbErrorDescription(mapped) : "Unknown runtime error";
  std::string hf = a.size() > 3 && !a.IsMissing(3) ? a[3].ToUtf8() : (keep ? helpfile : "");
  int32_t hc = a.size() > 4 && !a.IsMissing(4) ? a[4].ToLong() : (keep ? helpcontext : 0);
  number = mapped;
  description = desc;
  source = src;
  helpfile = hf;
  helpcontext = hc;
  throw RaisedError(mapped, desc, src, hf, hc);
}

Variant ErrObject::Invoke(int member, InvokeKind kind, Args args) {
  if (member == kDefaultMember) member = kNumber;
  bool put = kind == InvokeKind::Let || kind == InvokeKind::Set;
  if (put && (member >= kClear || args.size() != 1)) throw VbError(vberr::kNotSupported);
  if (!put && member < kClear && !args.empty()) throw VbError(vberr::kWrongArguments);
  switch (member) {
    case kNumber:
      if (put) number = MapErrorNumber(args[0].ToLong());
      return Variant(number);
    case kDescription:
      if (put) description = args[0].ToUtf8();
      return Variant(description);
    case kSource:
      if (put) source = args[0].ToUtf8();
      return Variant(source);
    case kHelpFile:
      if (put) helpfile = args[0].ToUtf8();
      return Variant(helpfile);
    case kHelpContext:
      if (put) helpcontext = args[0].ToLong();
      return Variant(helpcontext);
    case kClear:
      if (!args.empty()) throw VbError(vberr::kWrongArguments);
      Clear();
      return Variant();
    case kRaise:
      Raise(args);
    default:
      throw VbError(vberr::kNotSupported);
  }
}

}  // namespace sw::vbs
