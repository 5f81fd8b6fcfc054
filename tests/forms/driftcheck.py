"""The layout check must catch a generated .ui edited by hand, a generated .ui gone missing
and a hand-made .ui that claims to be generated, naming each file; writing the layouts again
into the same folder must mend the first two and leave the third for a person to settle."""

import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
REGENERATE = os.path.join(ROOT, "tools", "forms", "regenerate.py")
sys.path.insert(0, os.path.dirname(REGENERATE))
sys.dont_write_bytecode = True
from uiwriter import FORMS_FOLDER, MARK_START  # noqa: E402


def run(*arguments):
    result = subprocess.run([sys.executable, "-B", REGENERATE, *arguments],
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    return result.returncode, result.stdout.decode("utf-8", "replace")


def expect(condition, what, output):
    if not condition:
        print(f"FAILED: {what}\n--- regenerate.py said:\n{output}")
        sys.exit(1)


def main():
    with tempfile.TemporaryDirectory(prefix="zerval-drift-") as forms:
        shutil.rmtree(forms)
        shutil.copytree(FORMS_FOLDER, forms)
        marked, hand_made = [], []
        for name in sorted(os.listdir(forms)):
            if name.endswith(".ui"):
                with open(os.path.join(forms, name), encoding="utf-8") as f:
                    (marked if MARK_START in f.read() else hand_made).append(name)
        edited, missing, untouched, claims = marked[0], marked[1], marked[2], hand_made[0]

        path = os.path.join(forms, edited)
        with open(path, encoding="utf-8") as f:
            text = f.read()
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(text.replace("<string>Volver</string>", "<string>Volver </string>", 1))
        os.remove(os.path.join(forms, missing))
        path = os.path.join(forms, claims)
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
        lines.insert(1, f"{MARK_START}tools/forms/nothing.py: do not edit -->")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(lines))

        status, output = run("--check", "--forms", forms)
        expect(status == 1, "the check passed a folder with three faults", output)
        for name in (edited, missing, claims):
            expect(f"forms/{name}" in output, f"the check did not name forms/{name}", output)
        expect(f"forms/{untouched}" not in output, f"the check blamed forms/{untouched}", output)
        expect("Volver " in output, "the check did not show the edited line", output)

        status, output = run("--forms", forms)
        expect(status == 0, "writing the layouts again failed", output)
        status, output = run("--check", "--forms", forms)
        expect(status == 1 and f"forms/{claims}" in output
               and f"forms/{edited}" not in output and f"forms/{missing}" not in output,
               "writing again did not mend the generated files alone", output)
    print("The layout check finds each kind of drift.")


if __name__ == "__main__":
    main()
