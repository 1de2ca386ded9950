// The script's Err object: the last trapped error (Number, Description, Source ...), Clear and
// Raise. Raise throws a RaisedError that keeps the source and help fields it was given.
#pragma once

#include <string>

#include "variant/dispatch.h"

namespace sw::vbs {

inline constexpr const char* kRuntimeSource = "Microsoft VBScript runtime error";
inline constexpr const char* kCompileSource = "Microsoft VBScript compilation error";

class RaisedError : public VbError {
 public:
  RaisedError(int number, std::string description, std::string source, std::string helpfile,
              int32_t helpcontext)
      : VbError(number, std::move(description)),
        source(std::move(source)),
        helpfile(std::move(helpfile)),
        helpcontext(helpcontext) {}
  std::string source;
  std::string helpfile;
  int32_t helpcontext;
};

// Maps an HRESULT-style number (negative) to a VB error number where one is known.
int32_t MapErrorNumber(int32_t n);

class ErrObject : public Dispatch {
 public:
  std::string TypeName() const override { return "ErrObject"; }
  int FindMember(std::string_view name) override;
  bool MembersFixedByClass() const override { return true; }
  Variant Invoke(int member, InvokeKind kind, Args args) override;

  void Clear();
  // Records an error that On Error Resume Next trapped.
  void Record(const VbError& e);
  [[noreturn]] void Raise(Args args);

  int32_t number = 0;
  std::string description;
  std::string source;
  std::string helpfile;
  int32_t helpcontext = 0;
};

}  // namespace sw::vbs
