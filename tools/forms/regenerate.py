"""Runs every layout generator of tools/forms/.

    python3 tools/forms/regenerate.py          writes every generated .ui file into forms/
    python3 tools/forms/regenerate.py --check  writes them into a temporary folder instead and
                                               fails unless each one matches, byte for byte,
                                               the file in forms/

Every other .py file here (all but uiwriter.py and this one) is a generator that writes one or
more .ui files into the folder given as its argument. A .ui file in forms/ that carries the
generated mark must come from a generator; a file without the mark is edited in Designer.
"""

import argparse
import difflib
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True
from uiwriter import FORMS_FOLDER, MARK_START  # noqa: E402

NOT_GENERATORS = {"uiwriter.py", "regenerate.py"}
# Lines of difference shown per drifted file.
DIFF_LINES = 24


def generators():
    return sorted(name for name in os.listdir(HERE)
                  if name.endswith(".py") and name not in NOT_GENERATORS)


def run(generator, folder):
    """Runs one generator into folder; returns its error or None. -B keeps Python's byte-code
    cache out of the source tree."""
    command = [sys.executable, "-B", os.path.join(HERE, generator), folder]
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if result.returncode != 0:
        return (f"tools/forms/{generator} failed (exit status {result.returncode}):\n"
                + result.stderr.decode("utf-8", "replace"))
    return None


def read(path):
    with open(path, "rb") as f:
        return f.read()


def marked_as_generated(path):
    with open(path, "rb") as f:
        return MARK_START.encode() in f.read(400)


def snapshot(folder):
    """What a generator that ignored its folder argument would change."""
    entries = {}
    for name in os.listdir(folder):
        status = os.stat(os.path.join(folder, name))
        entries[name] = (status.st_size, status.st_mtime_ns)
    return entries


def difference(committed, generated, file_name, generator):
    lines = list(difflib.unified_diff(
        committed.decode("utf-8", "replace").splitlines(),
        generated.decode("utf-8", "replace").splitlines(),
        fromfile=f"forms/{file_name}", tofile=f"what tools/forms/{generator} writes",
        lineterm="", n=1))
    shown = lines[:DIFF_LINES]
    if len(lines) > DIFF_LINES:
        shown.append(f"... ({len(lines) - DIFF_LINES} more lines of difference)")
    return "\n".join("    " + line for line in shown)


def check(forms_folder):
    """Returns the list of problems found; empty when every generated file is up to date."""
    problems = []
    written_by = {}
    every_generator_ran = True
    before = snapshot(forms_folder)
    with tempfile.TemporaryDirectory(prefix="zerval-forms-") as scratch:
        for generator in generators():
            output = os.path.join(scratch, generator[:-3])
            os.mkdir(output)
            error = run(generator, output)
            if error:
                problems.append(error)
                every_generator_ran = False
                continue
            files = sorted(os.listdir(output))
            if not files:
                problems.append(f"tools/forms/{generator} wrote nothing into the folder given "
                                "as its argument: it must write its .ui files there "
                                "(Form.save does)")
            for file_name in files:
                how = f"run: python3 tools/forms/{generator}"
                if file_name in written_by:
                    problems.append(f"forms/{file_name} is written by both "
                                    f"tools/forms/{written_by[file_name]} and "
                                    f"tools/forms/{generator}: keep one of them")
                    continue
                written_by[file_name] = generator
                committed_path = os.path.join(forms_folder, file_name)
                generated = read(os.path.join(output, file_name))
                if not os.path.exists(committed_path):
                    problems.append(f"forms/{file_name} is missing; to write it, {how}")
                    continue
                committed = read(committed_path)
                if committed != generated:
                    problems.append(
                        f"forms/{file_name} differs from what tools/forms/{generator} writes. "
                        f"If the generator is right, {how} and commit the result; if the change "
                        f"in forms/{file_name} is wanted, make it in the generator first.\n"
                        + difference(committed, generated, file_name, generator))
    if snapshot(forms_folder) != before:
        problems.append("a generator wrote into forms/ although it was given another folder")
    for file_name in sorted(os.listdir(forms_folder)):
        path = os.path.join(forms_folder, file_name)
        if (every_generator_ran and file_name.endswith(".ui") and file_name not in written_by
                and marked_as_generated(path)):
            problems.append(f"forms/{file_name} is marked as generated, but no generator in "
                            "tools/forms/ writes it: remove the mark if it is now edited in "
                            "Designer, or restore its generator")
    return problems


def main():
    parser = argparse.ArgumentParser(
        description="Runs every layout generator of tools/forms/ (see the module's notes).")
    parser.add_argument("--check", action="store_true",
                        help="compare the generators' output with forms/ instead of writing it")
    parser.add_argument("--forms", default=FORMS_FOLDER, metavar="FOLDER",
                        help="the folder of .ui files (default: the project's forms/)")
    arguments = parser.parse_args()
    if not arguments.check:
        errors = [error for generator in generators()
                  if (error := run(generator, arguments.forms))]
        for error in errors:
            print(error, file=sys.stderr)
        return 1 if errors else 0
    problems = check(arguments.forms)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print("The generated layouts in forms/ do not match tools/forms/; to write them all "
              "again, run: python3 tools/forms/regenerate.py", file=sys.stderr)
        return 1
    print("Every generated layout in forms/ matches its generator.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
