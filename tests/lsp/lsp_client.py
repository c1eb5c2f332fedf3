"""A small client for `tarnwick --lsp`: starts it on pipes with no display and
frames its messages."""
import json
import os
import queue
import subprocess
import threading


class LanguageServer:
    def __init__(self, tarnwick):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        self.process = subprocess.Popen([tarnwick, "--lsp"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, env=env)
        self.messages = queue.Queue()
        self.stray = []  # bytes on standard output that were not a framed message
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        out = self.process.stdout
        while True:
            header = out.readline()
            if not header:
                self.messages.put(None)
                return
            if not header.startswith(b"Content-Length: "):
                self.stray.append(header)
                continue
            length = int(header[len(b"Content-Length: "):].strip())
            if out.readline() != b"\r\n":
                self.stray.append(b"missing empty line")
            self.messages.put(json.loads(out.read(length)))

    def send_bytes(self, data):
        self.process.stdin.write(data)
        self.process.stdin.flush()

    def send(self, message):
        body = json.dumps(message).encode()
        self.send_bytes(b"Content-Length: %d\r\n\r\n" % len(body) + body)

    def receive(self, timeout=5):
        return self.messages.get(timeout=timeout)

    def finish(self, timeout=20):
        """Closes the input and returns the exit code."""
        self.process.stdin.close()
        code = self.process.wait(timeout)
        self.process.stdout.close()
        self.process.stderr.close()
        return code
