#!/usr/bin/env python3
"""The layer check on small trees: it passes the includes the table allows and names each
one that climbs."""
import contextlib
import io
import pathlib
import sys
import tempfile
import unittest

# The source tree stays as committed: no compiled copy of the check is left beside it.
sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import check_layers  # noqa: E402


def check(files):
    """The check's status and its lines on a tree of FILES (path: text)."""
    with tempfile.TemporaryDirectory() as folder:
        root = pathlib.Path(folder)
        for path, text in files.items():
            (root / path).parent.mkdir(parents=True, exist_ok=True)
            (root / path).write_text(text)
        output = io.StringIO()
        with contextlib.redirect_stdout(output):
            status = check_layers.check(root)
        return status, output.getvalue().splitlines()


# A tree in which every folder includes what it may.
ALLOWED = {
    "src/gfx/canvas.h": "",
    "src/career/career_record.h": "",
    "src/core/screen.h": '#include "gfx/canvas.h"\n#include "career/career_record.h"\n',
    "src/match/match_screen.h": '#include "core/screen.h"\n#include "tour/scoring.h"\n',
    "src/tour/scoring.h": '#include "match/match_screen.h"\n',
    "src/platform/sdl_host.h": '#include "core/screen.h"\n#include <SDL.h>\n',
    "src/platform/web/web_host.cpp": '#include "platform/sdl_host.h"\n#include <emscripten/html5.h>\n',
    "src/app/program.cpp": '#include "match/match_screen.h"\n#include "platform/sdl_host.h"\n',
    "tools/replay/replay.cpp": '#include "app/program.cpp"\n',
    "tests/support/fake.h": '#include "app/program.cpp"\n#include "replay/replay.cpp"\n',
    "tests/bench/tick_bench.cpp": '#include "support/fake.h"\n',
}


class LayerCheck(unittest.TestCase):
    def test_allowed_includes_pass(self):
        status, lines = check(ALLOWED)
        self.assertEqual((status, lines), (0, ["No include climbs a layer"]))

    def test_each_climb_is_named(self):
        climbs = {
            "src/gfx/fonts.h": ('#include "career/career_record.h"\n', "gfx may not include career"),
            "src/career/save.h": ('#include "core/screen.h"\n', "career may not include core"),
            "src/core/sound.h": ('#include "match/match_screen.h"\n', "core may not include match"),
            "src/match/drawing.h": ('#include "app/program.cpp"\n', "match may not include app"),
            "src/platform/audio.h": ('#include "tour/scoring.h"\n', "platform may not include tour"),
            "tools/snapshot/shot.cpp": ('#include "support/fake.h"\n', "tools may not include tests"),
            "src/app/main.cpp": ('#include "support/fake.h"\n', "app may not include tests"),
            "src/team/team_page.cpp": ("#include <SDL.h>\n", "only the platforms talk to the machine"),
        }
        status, lines = check({**ALLOWED, **{path: text for path, (text, _) in climbs.items()}})
        self.assertEqual(status, 1)
        for path, (_, reason) in climbs.items():
            self.assertTrue(any(line.startswith(path) and line.endswith(reason) for line in lines),
                            f"{path}: {reason} is not among {lines}")
        self.assertEqual(lines[-1], f"{len(climbs)} includes climb a layer")

    def test_a_folder_outside_the_table_is_named(self):
        status, lines = check({**ALLOWED, "src/shell/old.h": '#include "core/screen.h"\n'})
        self.assertEqual(status, 1)
        self.assertIn("src/shell/old.h includes src/core/screen.h: the folder shell is in no layer", lines)


if __name__ == "__main__":
    unittest.main()
