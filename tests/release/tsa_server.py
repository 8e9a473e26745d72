"""An RFC 3161 time-stamping responder on 127.0.0.1, for the signing test: each query is answered by
`openssl ts -reply` with the test's own time-stamping key. Prints its port, then serves until it is
ended. Usage: tsa_server.py FOLDER, where FOLDER holds tsa.key and tsa.pem."""
import http.server
import os
import subprocess
import sys
import tempfile

folder = sys.argv[1]
config = os.path.join(folder, "tsa.cnf")
with open(config, "w") as out:
    out.write(f"""[ tsa ]
default_tsa = responder
[ responder ]
serial = {folder}/serial
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256, sha384, sha512
accuracy = secs:1
ess_cert_id_alg = sha256
""")
with open(os.path.join(folder, "serial"), "w") as out:
    out.write("01\n")


class Responder(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        with tempfile.TemporaryDirectory() as work:
            asked, answer = os.path.join(work, "query"), os.path.join(work, "reply")
            with open(asked, "wb") as out:
                out.write(query)
            subprocess.run(["openssl", "ts", "-reply", "-config", config, "-queryfile", asked,
                            "-inkey", os.path.join(folder, "tsa.key"), "-signer", os.path.join(folder, "tsa.pem"),
                            "-out", answer], check=True, capture_output=True)
            with open(answer, "rb") as reply:
                body = reply.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *arguments):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), Responder)
print(server.server_address[1], flush=True)
server.serve_forever()
