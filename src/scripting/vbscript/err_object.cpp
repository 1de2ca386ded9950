#include "scripting/vbscript/err_object.h"

#include "base/ascii.h"

namespace sw::vbs {
namespace {
enum Member { kNumber = 1, kDescription, kSource, kHelpFile, kHelpContext, kClear, kRaise };
}

int32_t MapErrorNumber(int32_t n) {
  if (n >= 0) return n;
  uint32_t u = static_cast<uint32_t>(n);
  if ((u & 0xFFFF0000u) == 0x800A0000u) return static_cast<int32_t>(u & 0xFFFF);
  switch (u) {
    case 0x80004001u:
      return vberr::kActionNotSupported;
    case 0x80004002u:
      return vberr::kNoAutomation;
    case 0x80020006u:  // unknown name
    case 0x80020003u:  // member not found
    case 0x80020001u:
      return vberr::kNotSupported;
    case 0x80020004u:
      return vberr::kNamedArgumentNotFound;
    case 0x80020005u:
      return vberr::kTypeMismatch;
    case 0x80020007u:
      return vberr::kNamedArgumentsNotSupported;
    case 0x80020008u:
      return vberr::kUnsupportedAutomationType;
    case 0x8002000Au:
      return vberr::kOverflow;
    case 0x8002000Bu:
      return vberr::kSubscriptOutOfRange;
    case 0x8002000Cu:
      return vberr::kLocaleNotSupported;
    case 0x8002000Du:
      return vberr::kArrayLocked;
    case 0x8002000Eu:
      return vberr::kWrongArguments;
    case 0x8002000Fu:
      return vberr::kArgumentNotOptional;
    case 0x80020010u:
      return vberr::kNotACollection;
    case 0x80070005u:
      return vberr::kPermissionDenied;
    case 0x8007000Eu:
      return vberr::kOutOfMemory;
    case 0x80070057u:
      return vberr::kInvalidProcedureCall;
    case 0x80040154u:
      return vberr::kCannotCreateObject;
    case 0x800706BAu:
      return vberr::kRemoteServerUnavailable;
    default:
      return n;
  }
}

int ErrObject::FindMember(std::string_view name) {
  std::string l = LowerAscii(name);
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
  std::string src = a.size() > 1 && !a.IsMissing(1) ? a[1].ToText()
                    : keep                          ? source
                                                    : std::string(kRuntimeSource);
  std::string desc;
  if (a.size() > 2 && !a.IsMissing(2))
    desc = a[2].ToText();
  else if (keep)
    desc = description;
  else
    desc = mapped > 0 && mapped < 65536 ? VbErrorDescription(mapped) : "Unknown runtime error";
  std::string hf = a.size() > 3 && !a.IsMissing(3) ? a[3].ToText() : (keep ? helpfile : "");
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
      if (put) description = args[0].ToText();
      return Variant(description);
    case kSource:
      if (put) source = args[0].ToText();
      return Variant(source);
    case kHelpFile:
      if (put) helpfile = args[0].ToText();
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
