#include "host/RuntimeErrors.h"

#include "language/Messages.h"

#include <algorithm>
#include <iterator>

namespace tarnwick::host {

namespace {

struct Entry {
    int number;
    const wchar_t* text;
};

// The runtime errors' texts as VBScript prints them in English; the compile
// errors' texts come from the checker's table.
constexpr Entry kRuntimeErrors[] = {
    {5, L"Invalid procedure call or argument"},
    {6, L"Overflow"},
    {7, L"Out of memory"},
    {9, L"Subscript out of range"},
    {10, L"This array is fixed or temporarily locked"},
    {11, L"Division by zero"},
    {13, L"Type mismatch"},
    {14, L"Out of string space"},
    {17, L"Can't perform requested operation"},
    {28, L"Out of stack space"},
    {35, L"Sub or Function not defined"},
    {48, L"Error in loading DLL"},
    {51, L"Internal error"},
    {52, L"Bad file name or number"},
    {53, L"File not found"},
    {54, L"Bad file mode"},
    {55, L"File already open"},
    {57, L"Device I/O error"},
    {58, L"File already exists"},
    {61, L"Disk full"},
    {62, L"Input past end of file"},
    {67, L"Too many files"},
    {68, L"Device unavailable"},
    {70, L"Permission denied"},
    {71, L"Disk not ready"},
    {74, L"Can't rename with different drive"},
    {75, L"Path/File access error"},
    {76, L"Path not found"},
    {91, L"Object variable not set"},
    {92, L"For loop not initialized"},
    {94, L"Invalid use of Null"},
    {322, L"Can't create necessary temporary file"},
    {424, L"Object required"},
    {429, L"ActiveX component can't create object"},
    {430, L"Class doesn't support Automation"},
    {432, L"File name or class name not found during Automation operation"},
    {438, L"Object doesn't support this property or method"},
    {440, L"Automation error"},
    {445, L"Object doesn't support this action"},
    {446, L"Object doesn't support named arguments"},
    {447, L"Object doesn't support current locale setting"},
    {448, L"Named argument not found"},
    {449, L"Argument not optional"},
    {450, L"Wrong number of arguments or invalid property assignment"},
    {451, L"Object not a collection"},
    {453, L"Specified DLL function not found"},
    {457, L"This key is already associated with an element of this collection"},
    {458, L"Variable uses an Automation type not supported in VBScript"},
    {462, L"The remote server machine does not exist or is unavailable"},
    {500, L"Variable is undefined"},
    {501, L"Illegal assignment"},
    {502, L"Object not safe for scripting"},
    {503, L"Object not safe for initializing"},
    {504, L"Object not safe for creating"},
    {505, L"Invalid or unqualified reference"},
    {506, L"Class not defined"},
    {507, L"An exception occurred"},
    {5017, L"Syntax error in regular expression"},
    {5018, L"Unexpected quantifier"},
    {5019, L"Expected ']' in regular expression"},
    {5020, L"Expected ')' in regular expression"},
    {5021, L"Invalid range in character set"},
    {32811, L"Element not found"},
};

// The automation failures VBScript reports under its own numbers.
constexpr struct {
    HRESULT code;
    int number;
} kAutomationErrors[] = {
    {DISP_E_BADINDEX, 9},         {DISP_E_OVERFLOW, 6},        {DISP_E_TYPEMISMATCH, 13},
    {DISP_E_MEMBERNOTFOUND, 438}, {DISP_E_UNKNOWNNAME, 438},   {DISP_E_BADPARAMCOUNT, 450},
    {DISP_E_PARAMNOTOPTIONAL, 449}, {DISP_E_NONAMEDARGS, 446}, {E_OUTOFMEMORY, 7},
    {REGDB_E_CLASSNOTREG, 429},   {CO_E_CLASSSTRING, 429},     {DISP_E_DIVBYZERO, 11},
};

}  // namespace

int ErrorNumber(HRESULT code) {
    if (HRESULT_FACILITY(code) == FACILITY_CONTROL) return HRESULT_CODE(code);
    for (const auto& entry : kAutomationErrors)
        if (entry.code == code) return entry.number;
    return 0;
}

std::wstring ErrorText(HRESULT code) {
    const int number = ErrorNumber(code);
    if (IsCompileError(number)) {
        const std::string_view text = language::MessageText(static_cast<language::Message>(number));
        return std::wstring(text.begin(), text.end());  // the texts are ASCII
    }
    const auto it = std::find_if(std::begin(kRuntimeErrors), std::end(kRuntimeErrors),
                                 [number](const Entry& e) { return e.number == number; });
    if (it != std::end(kRuntimeErrors)) return it->text;
    // A bare failure says nothing more than this; the system's text ("Unspecified error") would mislead.
    if (number == 0 && code != S_OK && code != E_FAIL) {
        wchar_t* buffer = nullptr;
        const DWORD length = FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
            static_cast<DWORD>(code), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reinterpret_cast<wchar_t*>(&buffer),
            0, nullptr);
        std::wstring text(buffer ? buffer : L"", length);
        LocalFree(buffer);
        while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
        if (!text.empty()) return text;
    }
    return L"Unknown runtime error";
}

}  // namespace tarnwick::host
