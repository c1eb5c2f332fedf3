#pragma once

#include <windows.h>

#include <string>

namespace tarnwick::host {

inline constexpr const wchar_t* kRuntimeErrorSource = L"Microsoft VBScript runtime error";
inline constexpr const wchar_t* kCompileErrorSource = L"Microsoft VBScript compilation error";

// The HRESULT the engine shows as VBScript error `number`.
inline HRESULT VBScriptError(int number) { return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number); }

// The VBScript error number of an HRESULT: its low word for the engine's own
// errors, the number VBScript gives the common automation failures, else 0.
int ErrorNumber(HRESULT code);

// VBScript's compile errors are numbered from 1001 to 1099.
inline bool IsCompileError(int number) { return number > 1000 && number < 1100; }

// The English text of an error: the VBScript text of its number, the
// system's text of any other HRESULT, or "Unknown runtime error".
std::wstring ErrorText(HRESULT code);

}  // namespace tarnwick::host
