#pragma once
// The last handler of both programs: an exception that nothing else caught is said on stderr
// and ends the program with a status of its own, never with an abort. Every file operation
// replaces its file in one step, so what such an end leaves is the file as it was or as written.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace trv {

// The exit status of a program ended by an exception that nothing else caught.
inline constexpr int kUnexpectedError = 5;

// What the exception in flight says; call only inside a catch block or a terminate handler.
inline std::string CurrentExceptionText() {
  const std::exception_ptr current = std::current_exception();
  if (!current) return "ended without a reason";
  try {
    std::rethrow_exception(current);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "an exception of an unknown kind";
  }
}

// "PROGRAM: unexpected error: WHAT" on stderr; the status to end with.
inline int ReportUnexpectedError(const char* program) {
  const std::string line = std::string(program) + ": unexpected error: " + CurrentExceptionText() + "\n";
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  return kUnexpectedError;
}

// The program's name for the handler below (a string literal).
inline const char* lastHandlerProgram = "";

// For an exception that reaches std::terminate (out of a destructor, a noexcept function or
// an event handler): said as above, then the process ends with kUnexpectedError.
inline void InstallLastHandler(const char* program) {
  lastHandlerProgram = program;
  std::set_terminate([] { std::_Exit(ReportUnexpectedError(lastHandlerProgram)); });
}

}  // namespace trv
