#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1 as a plain static web host would, for trying the web build and
for make web-check:

    python3 tools/web/serve.py FOLDER [PORT]

Where the browser accepts it, a file's brotli or gzip copy beside it (name.br, name.gz) is sent
instead, marked as such, as hosts configured for precompressed files do. Each request is logged
with the bytes sent, so that a check can add up what a page load transfers.
"""
import functools
import http.server
import os
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json"}

    def send_head(self):
        path = self.translate_path(self.path)
        accepted = self.headers.get("Accept-Encoding", "")
        for encoding, suffix in (("br", ".br"), ("gzip", ".gz")):
            if encoding in accepted and os.path.isfile(path + suffix):
                try:
                    handle = open(path + suffix, "rb")
                except OSError:
                    break
                size = os.fstat(handle.fileno()).st_size
                self.send_response(200)
                self.send_header("Content-Type", self.guess_type(path))
                self.send_header("Content-Encoding", encoding)
                self.send_header("Content-Length", str(size))
                self.send_header("Vary", "Accept-Encoding")
                self.end_headers()
                return handle
        return super().send_head()

    def log_request(self, code="-", size="-"):
        sys.stderr.write(f"{self.command} {self.path} {code} {size}\n")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8080
    handler = functools.partial(Handler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    print(f"Serving {os.path.abspath(folder)} at http://127.0.0.1:{port}/", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
