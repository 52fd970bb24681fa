#!/usr/bin/env python3
"""Counts the tests of a Windows build from `ctest --show-only=json-v1` on standard input.

Prints two numbers: the tests that run under Wine (all but the fixtures' set-up and clean-up,
such as the test display's start and stop, which run on the host) and, of those, the GUI tests
(those labelled gui).
"""
import json
import sys


def properties(test):
    return {p["name"]: p["value"] for p in test.get("properties", [])}


tests = [properties(t) for t in json.load(sys.stdin)["tests"]]
under_wine = [p for p in tests if "FIXTURES_SETUP" not in p and "FIXTURES_CLEANUP" not in p]
gui = [p for p in under_wine if "gui" in p.get("LABELS", [])]
print(len(under_wine), len(gui))
