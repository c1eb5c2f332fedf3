// Compiles VBScript files with the system's own VBScript engine without running
// them, and prints the first compile error the engine reports for each file:
//   FILE<TAB>LINE COL NUMBER TEXT     (1-based line and column)
//   FILE<TAB>ok
// It never starts the script (no SetScriptState(SCRIPTSTATE_STARTED)), so
// nothing in it runs. Under Wine it is the reference the checker is compared with.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <activscp.h>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const CLSID kClsidVbscript = {0xb54f3741, 0x5b07, 0x11cf, {0xa4, 0xb0, 0x00, 0xaa, 0x00, 0x4a, 0x55, 0xe8}};
// IActiveScriptParse of a 64-bit process; MinGW's import library lacks its id.
const IID kIidParse64 = {0xc7ef7658, 0xe1ee, 0x480e, {0x97, 0xea, 0xd5, 0x2c, 0xb4, 0xd7, 0x6d, 0x17}};

struct FirstError {
    bool seen = false;
    ULONG line = 0;
    LONG column = 0;
    SCODE code = 0;
    std::wstring text;
};

// The smallest site the engine accepts: it names no items and keeps the first error.
class Site final : public IActiveScriptSite {
public:
    FirstError error;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IActiveScriptSite) {
            *out = static_cast<IActiveScriptSite*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetLCID(LCID* lcid) override {
        *lcid = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetItemInfo(LPCOLESTR, DWORD, IUnknown**, ITypeInfo**) override {
        return TYPE_E_ELEMENTNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStateChange(SCRIPTSTATE) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnScriptError(IActiveScriptError* e) override {
        if (error.seen) return S_OK;
        error.seen = true;
        DWORD context = 0;
        e->GetSourcePosition(&context, &error.line, &error.column);
        EXCEPINFO info{};
        if (SUCCEEDED(e->GetExceptionInfo(&info))) {
            error.code = info.scode;
            if (info.bstrDescription) error.text = info.bstrDescription;
            SysFreeString(info.bstrDescription);
            SysFreeString(info.bstrSource);
            SysFreeString(info.bstrHelpFile);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnEnterScript() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnLeaveScript() override { return S_OK; }
};

// The file's text as the script host reads it: UTF-16 LE or UTF-8 behind a
// byte-order mark, anything else as the ANSI code page (Windows-1252).
std::wstring ReadScript(const char* path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ok = static_cast<bool>(in) || in.eof();
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xff && static_cast<unsigned char>(bytes[1]) == 0xfe)
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
    UINT page = 1252;
    size_t skip = 0;
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xef\xbb\xbf") == 0) {
        page = CP_UTF8;
        skip = 3;
    }
    int n = MultiByteToWideChar(page, 0, bytes.data() + skip, static_cast<int>(bytes.size() - skip), nullptr, 0);
    std::wstring text(n, L'\0');
    MultiByteToWideChar(page, 0, bytes.data() + skip, static_cast<int>(bytes.size() - skip), text.data(), n);
    return text;
}

std::string Utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

void Compile(const char* path) {
    bool readable = true;
    std::wstring text = ReadScript(path, readable);
    if (!readable) {
        std::printf("%s\tunreadable\n", path);
        return;
    }
    IActiveScript* engine = nullptr;
    IActiveScriptParse* parse = nullptr;
    Site site;
    HRESULT hr = CoCreateInstance(kClsidVbscript, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveScript,
                                  reinterpret_cast<void**>(&engine));
    if (FAILED(hr)) {
        std::printf("%s\tno engine %08lx\n", path, static_cast<unsigned long>(hr));
        return;
    }
    if (FAILED(engine->QueryInterface(kIidParse64, reinterpret_cast<void**>(&parse)))) {
        std::printf("%s\tno parser\n", path);
        engine->Release();
        return;
    }
    engine->SetScriptSite(&site);
    parse->InitNew();
    EXCEPINFO info{};
    hr = parse->ParseScriptText(text.c_str(), nullptr, nullptr, nullptr, 0, 0, 0, nullptr, &info);
    if (site.error.seen) {
        // The host's compile errors are 0x800Axxxx with the number below; Wine
        // gives E_FAIL and no text, shown as "-".
        unsigned long code = static_cast<unsigned long>(site.error.code);
        std::string number = HRESULT_FACILITY(code) == 0xa ? std::to_string(code & 0xffff) : "-";
        std::printf("%s\t%lu %ld %s %s\n", path, site.error.line + 1, site.error.column + 1, number.c_str(),
                    Utf8(site.error.text).c_str());
    } else if (FAILED(hr)) {
        std::printf("%s\t0 0 %08lx (no position)\n", path, static_cast<unsigned long>(hr));
    } else {
        std::printf("%s\tok\n", path);
    }
    parse->Release();
    engine->Close();
    engine->Release();
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // LF line ends, as the comparison reads them
    CoInitialize(nullptr);
    for (int i = 1; i < argc; ++i) {
        Compile(argv[i]);
        std::fflush(stdout);
    }
    CoUninitialize();
    return 0;
}
