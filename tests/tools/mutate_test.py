#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""tools/mutate on a tiny project of its own: mutants applied, caught, reported, and the
source written back byte for byte, even when the run is stopped or killed."""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
TOOL = os.path.join(ROOT, "tools", "mutate")

CMAKE = """cmake_minimum_required(VERSION 3.16)
project(tiny CXX)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
add_library(tiny STATIC src/tiny/sums.cpp)
add_executable(test_tiny tests/test_tiny.cpp)
target_link_libraries(test_tiny tiny)
"""
# No comment nor string in it is ever mutated; `larger`'s >= is the same as its >.
SUMS = """// Sums, and a larger of two: "a + b" is not code.
int sum(int a, int b)
{
    return a + b; // a - b
}

int larger(int a, int b)
{
    return a > b ? a : b;
}

int halve(int a)
{
    return a / 2;
}
"""
TEST = """#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <unistd.h>
int sum(int, int);
int larger(int, int);
int main()
{
    const bool right = sum(2, 3) == 5 && larger(2, 3) == 3 && larger(3, 2) == 3;
    // Asked to, a mutant's test stalls, for a run to be stopped while the mutant is in place.
    if (const char *pids = std::getenv("TINY_PIDS"); pids && !right) {
        std::ofstream(pids, std::ios::app) << getpid() << std::endl;
        std::this_thread::sleep_for(std::chrono::seconds(30));
    }
    std::puts(right ? "[  PASSED  ]" : "[  FAILED  ] tiny.Sums");
    return right ? 0 : 1;
}
"""
LIST = """# The faults by hand, and the equivalents.
fault: src/tiny/sums.cpp
was: return a + b; // a - b
now: return a + b + (a == 7);
why: a sum off for one number only

fault: src/tiny/sums.cpp
was: return a / 2;
now: return a / ;
why: does not compile

equivalent: src/tiny/sums.cpp
was: return a > b ? a : b;
now: return a >= b ? a : b;
why: when a equals b either is the larger
"""


class MutateTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not shutil.which("ninja") or not shutil.which("cmake"):
            raise unittest.SkipTest("needs cmake and ninja")

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="mutate-test-")
        self.addCleanup(shutil.rmtree, self.folder)
        for name, text in [("CMakeLists.txt", CMAKE), ("src/tiny/sums.cpp", SUMS),
                           ("tests/test_tiny.cpp", TEST), ("tests/mutants.txt", LIST)]:
            path = os.path.join(self.folder, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        subprocess.run(["cmake", "-G", "Ninja", "-S", self.folder, "-B", self.build()],
                       check=True, stdout=subprocess.DEVNULL)
        self.source = os.path.join(self.folder, "src", "tiny", "sums.cpp")
        os.utime(self.source, (1_000_000_000, 1_000_000_000))
        subprocess.run(["ninja", "-C", self.build()], check=True, stdout=subprocess.DEVNULL)

    def build(self):
        return os.path.join(self.folder, "build")

    def command(self, *extra):
        return [sys.executable, TOOL, "src/tiny", "--root", self.folder, "--tests", "test_tiny",
                *extra]

    def unchanged(self):
        with open(self.source, encoding="utf-8") as f:
            self.assertEqual(f.read(), SUMS)
        self.assertEqual(os.stat(self.source).st_mtime, 1_000_000_000)

    def test_reports_each_mutant_with_its_line_and_leaves_the_tree_as_it_was(self):
        run = subprocess.run(self.command(), capture_output=True, text=True, check=True)
        lines = run.stdout.splitlines()

        def result(operator, line, after):
            found = [l for l in lines
                     if f"sums.cpp:{line}  {operator}  " in l and f"=>  {after}" in l]
            self.assertEqual(len(found), 1, (operator, line, after, run.stdout))
            return re.search(r"\] (caught|missed|equivalent|not compiling) ", found[0]).group(1)

        self.assertEqual(result("arithmetic", 4, "return a - b; // a - b"), "caught")
        self.assertEqual(result("comparison", 9, "return a >= b ? a : b;"), "equivalent")
        self.assertEqual(result("by hand", 4, "return a + b + (a == 7);"), "missed")
        self.assertEqual(result("bound", 14, "return a / 3;"), "missed")
        self.assertEqual(result("by hand", 14, "return a / ;"), "not compiling")
        self.assertFalse(any("// a + b" in l for l in lines), "a comment was mutated")
        self.assertIn("src/tiny: 5 mutants, caught 1, missed 2, equivalent 1, not compiling 1: "
                      "33 % caught", run.stdout)
        self.unchanged()
        # The build holds the original again: a rebuild has nothing left to do.
        ninja = subprocess.run(["ninja", "-C", self.build(), "-n"], capture_output=True,
                               text=True, check=True)
        self.assertIn("no work to do", ninja.stdout)

        # A second run goes on from the results: nothing is built or run again.
        results = os.path.join(self.build(), "mutate", "results.jsonl")
        with open(results, encoding="utf-8") as f:
            records = [json.loads(line) for line in f]
        self.assertEqual(len(records), 5)
        again = subprocess.run(self.command(), capture_output=True, text=True, check=True)
        summary = [r.stdout.splitlines()[-1].rsplit(" (", 1)[0] for r in (run, again)]
        self.assertEqual(summary[0], summary[1])
        with open(results, encoding="utf-8") as f:
            self.assertEqual(len(f.readlines()), 5)

    def start_stalled_run(self):
        """A run whose test program waits, with the first mutant in place."""
        pids = os.path.join(self.folder, "pids")
        run = subprocess.Popen(self.command("--timeout", "60"),
                               env=dict(os.environ, TINY_PIDS=pids),
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        deadline = time.monotonic() + 60
        while not os.path.exists(pids):
            self.assertLess(time.monotonic(), deadline, "the run never reached a mutant")
            time.sleep(0.1)
        with open(self.source, encoding="utf-8") as f:
            self.assertNotEqual(f.read(), SUMS, "the mutant is not in the file")
        return run, pids

    def stop_tests(self, pids):
        with open(pids, encoding="utf-8") as f:
            stalled = f.read().split()
        for pid in stalled:
            try:
                os.kill(int(pid), signal.SIGKILL)
            except ProcessLookupError:
                pass

    def test_a_stopped_run_writes_the_original_back(self):
        run, pids = self.start_stalled_run()
        self.addCleanup(self.stop_tests, pids)
        run.send_signal(signal.SIGTERM)
        _, errors = run.communicate(timeout=30)
        self.assertEqual(run.returncode, 128 + signal.SIGTERM)
        self.assertIn("the tree is as it was", errors)
        self.unchanged()

    def test_a_killed_run_is_mended_by_the_next(self):
        run, pids = self.start_stalled_run()
        self.addCleanup(self.stop_tests, pids)
        run.kill()
        run.communicate()
        self.stop_tests(pids)
        with open(self.source, encoding="utf-8") as f:
            self.assertNotEqual(f.read(), SUMS)
        listing = subprocess.run(self.command("--list"), capture_output=True, text=True,
                                 check=True)
        self.assertIn("restored src/tiny/sums.cpp", listing.stdout)
        self.unchanged()
        subprocess.run(["ninja", "-C", self.build()], check=True, stdout=subprocess.DEVNULL)
        self.assertEqual(subprocess.run([os.path.join(self.build(), "test_tiny")]).returncode, 0)


if __name__ == "__main__":
    unittest.main()
