"""Checks a SkorvaneDiagnosticsCli --text table read on standard input and prints what is wrong with it (nothing when
all is well). Each argument is "Title|regex": the row must not have passed and its cause and fix together must match
the regex; or "+Title": the row must have passed. Every row that did not pass must have a cause and a fix, and no row
that passed may have either."""
import re
import sys

rows, current = {}, None
for line in sys.stdin.read().replace("\r", "").splitlines()[1:]:
    if line.startswith("    Cause: "):
        rows[current]["cause"] = line[len("    Cause: "):]
    elif line.startswith("    Fix:   "):
        rows[current]["fix"] = line[len("    Fix:   "):]
    elif line.strip():
        title, result = re.match(r"(.*\S)\s+(\S+)$", line).groups()
        current = title
        rows[title] = {"result": result}
problems = []
if len(rows) < 15:
    problems.append("only %d rows" % len(rows))
for title, row in rows.items():
    if row["result"] == "passed" and ("cause" in row or "fix" in row):
        problems.append("%s passed but has an explanation" % title)
    if row["result"] != "passed" and not (row.get("cause") and row.get("fix")):
        problems.append("%s is %s without cause and fix" % (title, row["result"]))
for expectation in sys.argv[1:]:
    if expectation.startswith("+"):
        if rows.get(expectation[1:], {}).get("result") != "passed":
            problems.append("%s should have passed" % expectation[1:])
        continue
    title, pattern = expectation.split("|", 1)
    row = rows.get(title)
    text = (row or {}).get("cause", "") + " / " + (row or {}).get("fix", "")
    if row is None or row["result"] == "passed":
        problems.append("%s should not have passed" % title)
    elif not re.search(pattern, text):
        problems.append("%s: %r does not match %r" % (title, text, pattern))
print("\n".join(problems))
