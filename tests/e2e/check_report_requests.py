#!/usr/bin/env python3
"""Checks the requests that the stand-in site stored against what the report test expected, with Python's own
email parser (not the tool's code): endpoint, part order, exactly two headers per part, names, file names, the
file parts' bytes, the report JSON.
Usage: check_report_requests.py REQUESTS_DIR EXPECTED_JSON
Each press sends once: as many stored requests as expected, never more."""
import email.parser
import email.policy
import json
import pathlib
import sys

requests_dir, expected_file = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
expected = json.loads(expected_file.read_text())
def local(path):
    """A path the Windows build wrote (Z:\\... or Z:/...) as this machine names it."""
    if len(path) > 2 and path[1] == ":" and path[0] in "zZ":
        path = path[2:]
    return pathlib.Path(path.replace("\\", "/"))


stored = sorted(requests_dir.glob("request-*.http"), key=lambda p: int(p.stem.split("-")[1]))
problems = []
if len(stored) != len(expected):
    problems.append(f"{len(stored)} requests stored, {len(expected)} expected")

for number, (path, want) in enumerate(zip(stored, expected), 1):
    raw = path.read_bytes()
    head, _, body = raw.partition(b"\r\n\r\n")
    request_line, *header_lines = head.decode("latin-1").split("\r\n")
    method, target, _ = request_line.split(" ")
    headers = {line.split(":", 1)[0].lower(): line.split(":", 1)[1].strip() for line in header_lines}
    where = f"request {number}"
    if method != "POST" or target != want["endpoint"]:
        problems.append(f"{where}: {request_line}")
    # Qt's own default is all there may be: the tool sets no header of its own.
    if headers.get("user-agent", "Mozilla/5.0") != "Mozilla/5.0":
        problems.append(f"{where}: the User-Agent {headers['user-agent']!r} was set")
    message = email.parser.BytesParser(policy=email.policy.HTTP).parsebytes(
        b"Content-Type: " + headers["content-type"].encode() + b"\r\n\r\n" + body)
    if not message.is_multipart() or message.get_content_type() != "multipart/form-data":
        problems.append(f"{where}: not multipart/form-data")
        continue
    parts = list(message.iter_parts())
    names = [part.get_param("name", header="content-disposition") for part in parts]
    if names != want["parts"]:
        problems.append(f"{where}: parts {names}, expected {want['parts']}")
    for part, name in zip(parts, names):
        keys = [key.lower() for key in part.keys()]
        if keys != ["content-type", "content-disposition"]:
            problems.append(f"{where}: part {name} has the headers {keys}")
        is_file = name in ("screenshot", "dump", "params")
        filename = part.get_param("filename", header="content-disposition")
        if (filename if is_file else None) != (name if is_file else None):
            problems.append(f"{where}: part {name} has the file name {filename!r}")
        kind = "application/octet-stream" if is_file else "text/plain"
        if part.get_content_type() != kind:
            problems.append(f"{where}: part {name} is {part.get_content_type()}")
        payload = part.get_payload(decode=True)
        if name == "user-email" and payload.decode() != want["email"]:
            problems.append(f"{where}: e-mail {payload!r}")
        if name == "extra-information" and payload.decode() != want["explanation"]:
            problems.append(f"{where}: explanation {payload!r}")
        if name == "report" and "report" in want and json.loads(payload) != json.loads(want["report"]):
            problems.append(f"{where}: the report JSON differs")
        if is_file and name in want and payload != local(want[name]).read_bytes():
            problems.append(f"{where}: the {name} bytes differ from the file")
        if name == "screenshot" and not payload.startswith(b"RIFF") or name == "screenshot" and payload[8:12] != b"WEBP":
            problems.append(f"{where}: the screenshot is not WebP")

for problem in problems:
    print("FAIL", problem)
print(f"{len(stored)} stored requests checked, {len(problems)} problems")
sys.exit(1 if problems else 0)
