#include "host/Arguments.h"
#include "host/Dispatch.h"
#include "host/Host.h"

namespace tarnwick::host {

namespace {

enum : DISPID {
    // TextStream
    kRead = 1, kReadLine, kReadAll, kSkip, kSkipLine, kAtEndOfStream, kAtEndOfLine, kLine, kColumn, kWrite,
    kWriteLine, kWriteBlankLines, kClose,
    // WScript
    kName = DISPID_VALUE, kEcho = 100, kQuit, kArguments, kScriptName, kScriptFullName, kPath, kFullName, kVersion,
    kBuildVersion, kInteractive, kSleep, kStdIn, kStdOut, kStdErr, kCreateObject, kGetObject, kConnectObject,
    kDisconnectObject, kTimeout, kApplication,
};

enum class Stream { In, Out, Err };

// WScript.StdIn, StdOut and StdErr. Reading an output stream, or writing the
// input, is "Bad file mode", as with a file opened the other way.
class TextStream : public DispatchObject {
public:
    TextStream(Host& host, Stream stream) : DispatchObject(kMembers), host_(host), stream_(stream) {}

protected:
    HRESULT Call(DISPID id, const Invocation& call) override {
        if (!call.IsGet()) return DISP_E_MEMBERNOTFOUND;
        if (id == kClose) return S_OK;
        const bool reading = id >= kRead && id <= kColumn;
        if (reading != (stream_ == Stream::In)) throw ScriptFailure{VBScriptError(54), {}};
        if (reading) return CallRead(id, call);
        OutputChannel& out = stream_ == Stream::Out ? host_.Out() : host_.Err();
        switch (id) {
        case kWrite: call.ExpectArguments(1, 1); out.Write(call.Text(0)); return S_OK;
        case kWriteLine: call.ExpectArguments(0, 1); out.WriteLine(call.Text(0)); return S_OK;
        case kWriteBlankLines: {
            call.ExpectArguments(1, 1);
            std::wstring lines;
            for (long i = call.Number(0); i > 0; --i) lines += L"\r\n";
            out.Write(lines);
            return S_OK;
        }
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    HRESULT CallRead(DISPID id, const Invocation& call) {
        InputChannel& in = host_.In();
        const auto pastEnd = [] { return ScriptFailure{VBScriptError(62), {}}; };
        switch (id) {
        case kRead: {
            call.ExpectArguments(1, 1);
            const long count = call.Number(0);
            if (count < 0) throw ScriptFailure{VBScriptError(5), {}};
            if (in.AtEnd()) throw pastEnd();
            call.Return(in.Read(count));
            return S_OK;
        }
        case kReadLine: {
            std::wstring line;
            if (!in.ReadLine(line)) throw pastEnd();
            call.Return(line);
            return S_OK;
        }
        case kReadAll: call.Return(in.ReadAll()); return S_OK;
        case kSkip: call.ExpectArguments(1, 1); in.Read(call.Number(0)); return S_OK;
        case kSkipLine: {
            std::wstring line;
            if (!in.ReadLine(line)) throw pastEnd();
            return S_OK;
        }
        case kAtEndOfStream: call.ReturnBool(in.AtEnd()); return S_OK;
        case kAtEndOfLine: call.ReturnBool(in.AtEndOfLine()); return S_OK;
        case kLine: call.Return(in.Line()); return S_OK;
        case kColumn: call.Return(1L); return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

    static constexpr Member kMembers[] = {
        {L"Read", kRead},           {L"ReadLine", kReadLine},   {L"ReadAll", kReadAll},
        {L"Skip", kSkip},           {L"SkipLine", kSkipLine},   {L"AtEndOfStream", kAtEndOfStream},
        {L"AtEndOfLine", kAtEndOfLine}, {L"Line", kLine},       {L"Column", kColumn},
        {L"Write", kWrite},         {L"WriteLine", kWriteLine}, {L"WriteBlankLines", kWriteBlankLines},
        {L"Close", kClose}};
    Host& host_;
    Stream stream_;
};

std::wstring FileName(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring Folder(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

class WScript : public DispatchObject {
public:
    explicit WScript(Host& host) : DispatchObject(kMembers), host_(host) {}

protected:
    HRESULT Call(DISPID id, const Invocation& call) override {
        if (call.IsPut()) return Put(id, call);
        if (!call.IsGet()) return DISP_E_MEMBERNOTFOUND;
        switch (id) {
        case kName: call.Return(std::wstring(L"Windows Script Host")); return S_OK;
        case kEcho: {
            std::wstring text;
            for (std::size_t i = 0; i < call.Count(); ++i) text += (i ? L" " : L"") + call.Text(i);
            host_.Echo(text);
            return S_OK;
        }
        case kQuit: call.ExpectArguments(0, 1); host_.Quit(call.Number(0, 0));
        case kArguments: return call.ReturnCollection(NewArgumentsObject(host_.Options().arguments));
        case kScriptName: call.Return(FileName(host_.ScriptFullName())); return S_OK;
        case kScriptFullName: call.Return(host_.ScriptFullName()); return S_OK;
        case kPath: call.Return(Folder(host_.HostFullName())); return S_OK;
        case kFullName: call.Return(host_.HostFullName()); return S_OK;
        case kVersion: call.Return(std::wstring(L"5.8")); return S_OK;
        case kBuildVersion: call.Return(18362L); return S_OK;
        case kInteractive: call.ReturnBool(host_.Interactive()); return S_OK;
        case kTimeout: call.Return(host_.Timeout()); return S_OK;
        case kApplication: AddRef(); call.Return(static_cast<IDispatch*>(this)); return S_OK;
        case kSleep: {
            call.ExpectArguments(1, 1);
            const long milliseconds = call.Number(0);
            if (milliseconds < 0) throw ScriptFailure{VBScriptError(5), {}};
            Sleep(static_cast<DWORD>(milliseconds));
            return S_OK;
        }
        case kStdIn:
        case kStdOut:
        case kStdErr: return Streams(id, call);
        case kCreateObject: return CreateObject(call);
        case kGetObject: return GetObject(call);
        case kConnectObject: return ConnectObject(call);
        case kDisconnectObject: return DisconnectObject(call);
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    HRESULT Put(DISPID id, const Invocation& call) {
        if (call.Count() != 1) return DISP_E_BADPARAMCOUNT;
        if (id == kInteractive) {
            host_.SetInteractive(call.Number(0) != 0);
        } else if (id == kTimeout) {
            const long seconds = call.Number(0);
            if (seconds < 0) throw ScriptFailure{VBScriptError(5), {}};
            host_.SetTimeout(seconds);
        } else {
            return DISP_E_MEMBERNOTFOUND;
        }
        return S_OK;
    }

    // A windowed host has no console: its streams are invalid handles, as in wscript.
    HRESULT Streams(DISPID id, const Invocation& call) {
        if (host_.Options().windowed) throw ScriptFailure{HRESULT_FROM_WIN32(ERROR_INVALID_HANDLE), {}};
        const Stream stream = id == kStdIn ? Stream::In : id == kStdOut ? Stream::Out : Stream::Err;
        call.Return(static_cast<IDispatch*>(new TextStream(host_, stream)));
        return S_OK;
    }

    HRESULT CreateObject(const Invocation& call) {
        call.ExpectArguments(1, 2);
        const std::wstring progId = call.Text(0);
        CLSID clsid;
        IDispatch* object = nullptr;
        HRESULT result = CLSIDFromProgID(progId.c_str(), &clsid);
        if (SUCCEEDED(result))
            result = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                      reinterpret_cast<void**>(&object));
        if (FAILED(result)) throw ScriptFailure{result, L"Could not create object named \"" + progId + L"\"."};
        if (call.Present(1)) Connect(object, call.Text(1));
        call.Return(object);
        return S_OK;
    }

    HRESULT GetObject(const Invocation& call) {
        call.ExpectArguments(1, 3);
        const std::wstring path = call.Text(0);
        IDispatch* object = nullptr;
        HRESULT result;
        if (path.empty() && call.Present(1)) {
            CLSID clsid;
            IUnknown* running = nullptr;
            result = CLSIDFromProgID(call.Text(1).c_str(), &clsid);
            if (SUCCEEDED(result)) result = GetActiveObject(clsid, nullptr, &running);
            if (SUCCEEDED(result)) {
                result = running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object));
                running->Release();
            }
        } else {
            result = CoGetObject(path.c_str(), nullptr, IID_IDispatch, reinterpret_cast<void**>(&object));
        }
        if (FAILED(result)) throw ScriptFailure{result, {}};
        if (call.Present(2)) Connect(object, call.Text(2));
        call.Return(object);
        return S_OK;
    }

    HRESULT ConnectObject(const Invocation& call) {
        call.ExpectArguments(2, 2);
        IDispatch* object = call.Object(0);
        if (!object) throw ScriptFailure{VBScriptError(424), {}};
        Connect(object, call.Text(1));
        return S_OK;
    }

    HRESULT DisconnectObject(const Invocation& call) {
        call.ExpectArguments(1, 1);
        IDispatch* object = call.Object(0);
        if (!object) throw ScriptFailure{VBScriptError(424), {}};
        for (auto it = connections_.begin(); it != connections_.end(); ++it) {
            if (it->object != object) continue;
            it->point->Unadvise(it->cookie);
            it->point->Release();
            it->sink->Release();
            connections_.erase(it);
            break;
        }
        return S_OK;
    }

    void Connect(IDispatch* object, const std::wstring& prefix) {
        Connection connection{object, nullptr, nullptr, 0};
        connection.sink = ConnectEvents(host_, object, prefix, connection.cookie, connection.point);
        if (!connection.sink) throw ScriptFailure{VBScriptError(445), {}};
        connections_.push_back(connection);
    }

    struct Connection {
        IDispatch* object;
        IUnknown* sink;
        IConnectionPoint* point;
        DWORD cookie;
    };

    static constexpr Member kMembers[] = {
        {L"Name", kName},
        {L"Echo", kEcho},
        {L"Quit", kQuit},
        {L"Arguments", kArguments},
        {L"ScriptName", kScriptName},
        {L"ScriptFullName", kScriptFullName},
        {L"Path", kPath},
        {L"FullName", kFullName},
        {L"Version", kVersion},
        {L"BuildVersion", kBuildVersion},
        {L"Interactive", kInteractive},
        {L"Sleep", kSleep},
        {L"StdIn", kStdIn},
        {L"StdOut", kStdOut},
        {L"StdErr", kStdErr},
        {L"CreateObject", kCreateObject},
        {L"GetObject", kGetObject},
        {L"ConnectObject", kConnectObject},
        {L"DisconnectObject", kDisconnectObject},
        {L"Timeout", kTimeout},
        {L"Application", kApplication},
    };
    Host& host_;
    std::vector<Connection> connections_;
};

}  // namespace

IDispatch* NewWScriptObject(Host& host) { return new WScript(host); }

}  // namespace tarnwick::host
