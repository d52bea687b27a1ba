# SPDX-License-Identifier: GPL-3.0-or-later
"""A small harness for the packaging tests: named checks, one line each, and
the closing line 'N passed, N failed'."""

import sys


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, what, condition, detail=""):
        if condition:
            self.passed += 1
            print(f"PASS: {what}")
        else:
            self.failed += 1
            print(f"FAIL: {what}" + (f" ({detail})" if detail else ""))
        return condition

    def equal(self, what, actual, expected):
        return self.check(what, actual == expected, f"{actual!r} is not {expected!r}")

    def finish(self):
        print(f"{self.passed} passed, {self.failed} failed")
        sys.exit(1 if self.failed else 0)
