"""Loopback HTTP servers for the Windows client tests.

Prints the port of a plain server, then the port of one that speaks TLS with a certificate
nobody trusts (files named by the two arguments), then serves until ended."""
import http.server
import ssl
import sys
import threading
import time


class Handler(http.server.BaseHTTPRequestHandler):
    def reply(self, status, body, headers=()):
        data = body.encode("utf-8")
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def do_GET(self):
        if self.path == "/ok":
            self.reply(200, "好的 body")
        elif self.path == "/moved":
            self.reply(302, "", [("Location", "/ok")])
        elif self.path == "/silent":
            time.sleep(30)  # longer than any client waits
        else:
            self.reply(404, "没有这个文件")

    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        if self.path == "/echo":
            self.reply(200, self.headers.get("Content-Type", "") + " " + body.decode("utf-8"))
        else:
            self.reply(302, "", [("Location", "/ok")])

    def log_message(self, *args):
        pass


def start(server):
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print(server.server_address[1], flush=True)


start(http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler))
secure = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(sys.argv[1], sys.argv[2])
secure.socket = context.wrap_socket(secure.socket, server_side=True)
start(secure)
threading.Event().wait()
