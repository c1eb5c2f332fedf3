#!/usr/bin/env python3
"""Drives the real `tarnwick --lsp` over pipes through whole sessions and checks
every message it sends, exactly and in order. Usage: session_test.py TARNWICK"""
import sys
import unittest

from lsp_client import LanguageServer

URI = "file:///work/Count.vbs"
SCRIPT = "\r\n".join([
    "Option Explicit",
    "Dim total, args, s",
    "Const Limit = 10",
    "Class Counter",
    "    Private count",
    "    Public Sub Add(n)",
    "        count=COUNT + n",
    "    End Sub",
    "End Class",
    "Function Twice(x)",
    "    Dim total",
    "    total = x * 2",
    "    Twice = total",
    "End Function",
    's = "\U0001F600": total = Twice(Limit)',  # the emoji takes two UTF-16 units, four UTF-8 bytes
    "Set args = WScript.Arguments",
    "msgbox total",
    "If total Then",
    ""])


def R(l1, c1, l2, c2):
    return {"start": {"line": l1, "character": c1}, "end": {"line": l2, "character": c2}}


def At(line, character, uri=URI, **more):
    return dict({"textDocument": {"uri": uri}, "position": {"line": line, "character": character}}, **more)


def Diagnostics(version, *found):
    return {"jsonrpc": "2.0", "method": "textDocument/publishDiagnostics",
            "params": {"uri": URI, "version": version, "diagnostics": [
                {"range": r, "severity": 1, "code": code, "source": "tarnwick", "message": text}
                for r, code, text in found]}}


def Symbol(name, kind, rng, selection=None, **more):
    return dict({"name": name, "kind": kind, "range": rng, "selectionRange": selection or rng}, **more)


def Edit(rng, text):
    return {"range": rng, "newText": text}


def Error(code, message):
    return ("error", code, message)


class Sent(list):
    """What the server sends of itself after a notification (or bytes that are no request)."""


CAPABILITIES = {
    "positionEncoding": "utf-16", "textDocumentSync": {"openClose": True, "change": 2},
    "documentSymbolProvider": True, "definitionProvider": True, "referencesProvider": True, "renameProvider": True,
    "completionProvider": {"triggerCharacters": ["."]},
    "signatureHelpProvider": {"triggerCharacters": ["(", " ", ","]}, "hoverProvider": True,
    "documentFormattingProvider": True, "documentRangeFormattingProvider": True}
COLLECTION = [{"label": "Count", "kind": 2}, {"label": "Item", "kind": 10, "detail": "Item(natIndex)"},
              {"label": "Length", "kind": 10}, {"label": "Named", "kind": 10}, {"label": "ShowUsage", "kind": 2},
              {"label": "Unnamed", "kind": 10}]

# (name, method or raw bytes, params, what comes back: a result, an Error, or a list of notifications)
SESSION = [
    ("before initialize", "textDocument/documentSymbol", {"textDocument": {"uri": URI}},
     Error(-32002, "The server has not been initialized.")),
    ("initialize", "initialize", {"capabilities": {"general": {"positionEncodings": ["utf-16"]}}},
     {"capabilities": CAPABILITIES, "serverInfo": {"name": "tarnwick", "version": None}}),
    ("initialized", "initialized", {}, Sent()),
    ("malformed JSON", b'Content-Length: 9\r\n\r\n{"id": 7,', None, Error(-32700, None)),
    ("no length", b"Content-Type: x\r\n\r\n", None, Sent([{"jsonrpc": "2.0", "method": "window/logMessage", "params": {
        "type": 1, "message": "A message has no valid Content-Length header."}}])),
    ("unknown method", "textDocument/foldingRange", {}, Error(-32601, 'Unknown method "textDocument/foldingRange".')),
    ("open", "textDocument/didOpen",
     {"textDocument": {"uri": URI, "languageId": "vbscript", "version": 1, "text": SCRIPT}},
     Sent([Diagnostics(1, (R(18, 0, 18, 0), 1014, "Expected 'End'"))])),
    ("whole text, then incremental changes", "textDocument/didChange",
     {"textDocument": {"uri": URI, "version": 2}, "contentChanges": [
         {"text": "x"}, {"range": R(0, 0, 0, 1), "text": SCRIPT},
         {"range": R(18, 0, 18, 0), "text": "End If\r\nargs.x\r\n"}, {"range": R(19, 5, 19, 6), "text": ""}]},
     Sent([Diagnostics(2, (R(19, 5, 20, 0), 1010, "Expected identifier"))])),
    ("outline", "textDocument/documentSymbol", {"textDocument": {"uri": URI}}, [
        Symbol("total", 13, R(1, 4, 1, 9)), Symbol("args", 13, R(1, 11, 1, 15)), Symbol("s", 13, R(1, 17, 1, 18)),
        Symbol("Limit", 14, R(2, 6, 2, 11)),
        Symbol("Counter", 5, R(3, 0, 8, 9), R(3, 6, 3, 13), children=[
            Symbol("count", 8, R(4, 12, 4, 17)),
            Symbol("Add", 6, R(5, 11, 7, 11), R(5, 15, 5, 18), detail="Sub")]),
        Symbol("Twice", 12, R(9, 0, 13, 12), R(9, 9, 9, 14), detail="Function")]),
    ("definition of a global", "textDocument/definition", At(16, 8), [{"uri": URI, "range": R(1, 4, 1, 9)}]),
    ("a local Dim hides the global", "textDocument/definition", At(12, 12), [{"uri": URI, "range": R(10, 8, 10, 13)}]),
    ("references after a surrogate pair", "textDocument/references", At(14, 12, context={"includeDeclaration": True}),
     [{"uri": URI, "range": r} for r in (R(1, 4, 1, 9), R(14, 10, 14, 15), R(16, 7, 16, 12), R(17, 3, 17, 8))]),
    ("rename a constant", "textDocument/rename", At(2, 7, newName="Most"),
     {"changes": {URI: [Edit(R(2, 6, 2, 11), "Most"), Edit(R(14, 24, 14, 29), "Most")]}}),
    ("rename a built-in", "textDocument/rename", At(16, 2, newName="Box"),
     Error(-32803, "'msgbox' is built in and cannot be renamed.")),
    ("rename a local to the global it would hide", "textDocument/rename", At(11, 5, newName="Limit"),
     Error(-32803, "Renaming 'total' to 'Limit' would change what the script means: 'Limit' is already in use.")),
    ("rename to a keyword", "textDocument/rename", At(1, 5, newName="Loop"),
     Error(-32602, "'Loop' cannot be a name in the script.")),
    ("members after a dot", "textDocument/completion", At(19, 5),
     {"isIncomplete": False, "items": COLLECTION}),
    ("names in scope", "textDocument/completion", At(12, 6),
     {"isIncomplete": True, "items": [{"label": "Twice", "kind": 3, "detail": "Function Twice(x)"}]}),
    ("parameter tip", "textDocument/signatureHelp", At(16, 7),
     {"signatures": [{"label": "MsgBox(prompt[, buttons][, title][, helpfile, context])"}], "activeSignature": 0}),
    ("tip of the script's own function", "textDocument/signatureHelp", At(14, 24),
     {"signatures": [{"label": "Twice(x)"}], "activeSignature": 0}),
    ("hover on the script's function", "textDocument/hover", At(14, 20),
     {"contents": {"kind": "markdown", "value": "```vb\nFunction Twice(x)\n```\ndeclared in the script"},
      "range": R(14, 18, 14, 23)}),
    ("formatting", "textDocument/formatting", {"textDocument": {"uri": URI}, "options": {"tabSize": 4}},
     [Edit(R(6, 0, 6, 23), "        count = count + n"), Edit(R(16, 0, 16, 12), "MsgBox total")]),
    ("range formatting", "textDocument/rangeFormatting",
     {"textDocument": {"uri": URI}, "range": R(15, 0, 17, 0), "options": {}}, [Edit(R(16, 0, 16, 12), "MsgBox total")]),
    ("position past the end", "textDocument/hover", At(99, 0),
     Error(-32602, "The position lies past the document's end.")),
    ("a document never opened", "textDocument/hover", At(0, 0, uri="file:///none.vbs"),
     Error(-32803, "The document file:///none.vbs is not open.")),
    ("close", "textDocument/didClose", {"textDocument": {"uri": URI}}, Sent([{"jsonrpc": "2.0",
        "method": "textDocument/publishDiagnostics", "params": {"uri": URI, "diagnostics": []}}])),
    ("shutdown", "shutdown", None, None),
    ("after shutdown", "textDocument/hover", At(0, 0), Error(-32600, "The server is shut down.")),
]


class SessionTest(unittest.TestCase):
    maxDiff = None

    def Run(self, rows, exit_code):
        server = LanguageServer(TARNWICK)
        for number, (name, method, params, expected) in enumerate(rows, 1):
            with self.subTest(name):
                if isinstance(method, bytes):
                    server.send_bytes(method)
                else:
                    message = {"jsonrpc": "2.0", "method": method}
                    if params is not None:
                        message["params"] = params
                    if not isinstance(expected, Sent):
                        message["id"] = number
                    server.send(message)
                if isinstance(expected, Sent):
                    # Notifications: exactly these, then nothing before the next row's answer.
                    for notification in expected:
                        self.assertEqual(server.receive(), notification)
                    continue
                got = server.receive()
                want_id = None if isinstance(method, bytes) else number
                if isinstance(expected, tuple):
                    _, code, text = expected
                    self.assertEqual(got["id"], want_id)
                    self.assertEqual(got["error"]["code"], code)
                    if text is not None:
                        self.assertEqual(got["error"]["message"], text)
                    continue
                if name == "initialize":
                    expected["serverInfo"]["version"] = got["result"]["serverInfo"]["version"]
                self.assertEqual(got, {"jsonrpc": "2.0", "id": want_id, "result": expected})
        server.send({"jsonrpc": "2.0", "method": "exit"})
        self.assertEqual(server.finish(), exit_code)
        self.assertEqual(server.stray, [])  # nothing but framed messages on standard output

    def test_session(self):
        self.Run(SESSION, 0)

    def test_utf8_positions_when_offered(self):
        text = 'Dim t\r\ns = "\U0001F600": t = 1\r\n'
        self.Run([
            ("initialize", "initialize", {"capabilities": {"general": {"positionEncodings": ["utf-8", "utf-16"]}}},
             {"capabilities": dict(CAPABILITIES, positionEncoding="utf-8"),
              "serverInfo": {"name": "tarnwick", "version": None}}),
            ("open", "textDocument/didOpen", {"textDocument": {"uri": URI, "languageId": "vbs", "version": 1,
                                                               "text": text}}, Sent([Diagnostics(1)])),
            ("references in bytes", "textDocument/references", At(1, 12),
             [{"uri": URI, "range": r} for r in (R(0, 4, 0, 5), R(1, 12, 1, 13))]),
        ], 1)  # exit without shutdown

    def test_own_class_members_after_a_dot(self):
        text = ("Class Counter\r\n  Public Total\r\n  Private hidden\r\n  Public Sub Add(n)\r\n  End Sub\r\n"
                "  Public Property Get Size\r\n  End Property\r\nEnd Class\r\nSet c = New Counter\r\nc.Add 1\r\n")
        self.Run([
            ("initialize", "initialize", {"capabilities": {}}, {"capabilities": CAPABILITIES,
                                                                "serverInfo": {"name": "tarnwick", "version": None}}),
            ("open", "textDocument/didOpen", {"textDocument": {"uri": URI, "languageId": "vbs", "version": 1,
                                                               "text": text}}, Sent([Diagnostics(1)])),
            ("public members", "textDocument/completion", At(9, 2), {"isIncomplete": False, "items": [
                {"label": "Add", "kind": 2, "detail": "Add(n)"}, {"label": "Size", "kind": 10},
                {"label": "Total", "kind": 6}]}),
        ], 1)


if __name__ == "__main__":
    TARNWICK = sys.argv.pop(1)
    unittest.main()
