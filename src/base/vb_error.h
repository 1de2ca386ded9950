// Run-time failures carrying a VB-style error number and its English description, as the
// original program showed them inside its messages ("Type mismatch", "Overflow" ...).
#pragma once

#include <stdexcept>
#include <string>

namespace sw {

// Standard error numbers used across the player and the script engine.
namespace vberr {
inline constexpr int kInvalidProcedureCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kArrayLocked = 10;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kOutOfStack = 28;
inline constexpr int kSubNotDefined = 35;
inline constexpr int kBadFileName = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kBadFileMode = 54;
inline constexpr int kFileAlreadyOpen = 55;
inline constexpr int kDeviceIoError = 57;
inline constexpr int kFileAlreadyExists = 58;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kTooManyFiles = 67;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kObjectNotSet = 91;
inline constexpr int kForNotInitialized = 92;
inline constexpr int kInvalidUseOfNull = 94;
// Forms and controls: these carry their own description text where they are thrown.
inline constexpr int kControlArrayElementMissing = 340;
inline constexpr int kObjectAlreadyLoaded = 360;
inline constexpr int kCannotUnloadDesignTimeControl = 362;
inline constexpr int kInvalidPropertyValue = 380;
inline constexpr int kCannotCreateTempFile = 322;
inline constexpr int kObjectRequired = 424;
inline constexpr int kCannotCreateObject = 429;
inline constexpr int kNoAutomation = 430;
inline constexpr int kAutomationFileNotFound = 432;
inline constexpr int kNotSupported = 438;
inline constexpr int kActionNotSupported = 445;
inline constexpr int kNamedArgumentsNotSupported = 446;
inline constexpr int kLocaleNotSupported = 447;
inline constexpr int kNamedArgumentNotFound = 448;
inline constexpr int kArgumentNotOptional = 449;
inline constexpr int kWrongArguments = 450;
inline constexpr int kNotACollection = 451;
inline constexpr int kDllFunctionNotFound = 453;
inline constexpr int kKeyAlreadyExists = 457;
inline constexpr int kUnsupportedAutomationType = 458;
inline constexpr int kRemoteServerUnavailable = 462;
inline constexpr int kInvalidPicture = 481;
inline constexpr int kVariableUndefined = 500;
inline constexpr int kIllegalAssignment = 501;
inline constexpr int kInvalidReference = 505;
inline constexpr int kClassNotDefined = 506;
inline constexpr int kNameRedefined = 1041;
inline constexpr int kRegExpSyntax = 5017;
inline constexpr int kRegExpUnexpectedQuantifier = 5018;
inline constexpr int kRegExpExpectedBracket = 5019;
inline constexpr int kRegExpExpectedParen = 5020;
inline constexpr int kRegExpInvalidRange = 5021;
inline constexpr int kElementNotFound = 32811;
}  // namespace vberr

// The English description of a standard error number, or "Unknown runtime error".
std::string VbErrorDescription(int number);

class VbError : public std::runtime_error {
 public:
  // An error with the standard description of its number.
  explicit VbError(int number) : VbError(number, VbErrorDescription(number)) {}
  VbError(int number, std::string description)
      : std::runtime_error(description), number_(number), description_(std::move(description)) {}

  int number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  int number_;
  std::string description_;
};

}  // namespace sw
