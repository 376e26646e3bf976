#!/usr/bin/env python3
"""scripts/check-includes against copies of src/ with one include injected each."""
import pathlib
import shutil
import subprocess
import sys
import tempfile

repository = pathlib.Path(__file__).resolve().parents[2]
script = repository / "scripts" / "check-includes"

# (file that gets the include, included header, whether the check must pass)
CASES = [
    ("servers/ServerList.cpp", "account/SignIn.h", False),        # upward
    ("platform/Log.cpp", "context/GameFolders.h", False),         # upward from the bottom
    ("startup/Theme.cpp", "servers/ServerList.h", False),         # same floor, other folder
    ("download/DownloadEngine.cpp", "controls/qt/PButton.h", False),  # core into qt
    ("launch/qt/frmmain.cpp", "market/qt/frmmarket.h", False),    # the market is above launch
    ("market/ModList.cpp", "launch/VersionText.h", True),         # downward
    ("account/qt/frmsetting.cpp", "account/SignIn.h", True),      # own subsystem
]


def run_check(source: pathlib.Path) -> subprocess.CompletedProcess:
    return subprocess.run([sys.executable, str(script), str(source)], capture_output=True,
                          text=True, timeout=60)


def main() -> int:
    failures = []
    with tempfile.TemporaryDirectory() as temporary:
        pristine = pathlib.Path(temporary) / "pristine"
        shutil.copytree(repository / "src", pristine)
        result = run_check(pristine)
        if result.returncode != 0:
            failures.append("the unchanged tree fails: " + result.stderr)
        for index, (target, header, passes) in enumerate(CASES):
            tree = pathlib.Path(temporary) / f"case{index}"
            shutil.copytree(pristine, tree)
            path = tree / target
            path.write_text(f'#include "{header}"\n' + path.read_text(encoding="utf-8"),
                            encoding="utf-8")
            result = run_check(tree)
            if (result.returncode == 0) != passes:
                failures.append(f"{target} including {header}: exit {result.returncode}, "
                                f"expected {'pass' if passes else 'failure'}\n{result.stderr}")
            elif not passes and target not in result.stderr:
                failures.append(f"{target} including {header}: the report does not name the file"
                                f"\n{result.stderr}")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
