#!/usr/bin/env python3
"""Runs inkwright-check --format=sarif over a golden case and validates the log against the SARIF
2.1.0 JSON schema with jsonschema (Debian python3-jsonschema). A log that breaks the schema must be
refused too, so that a validator that accepts anything cannot pass the test.

The schema, sarif-schema-2.1.0.json beside this script, is the file lib/schemas/sarif-2.1.0-rtm.5.json
of the npm package @microsoft/jest-sarif 1.0.0-beta.0 (MIT), the SARIF team's test matchers; rtm.5
is the schema that was published as SARIF 2.1.0. It is kept byte for byte as shipped.
Usage: validate_sarif.py SCHEMA CHECK_BINARY CASE_DIR"""
import json
import shutil
import subprocess
import sys
import tempfile

import jsonschema


def main():
    schema_path, binary, case = sys.argv[1:4]
    with open(schema_path, encoding="utf-8") as file:
        schema = json.load(file)
    validator = jsonschema.validators.validator_for(schema)(schema)
    with tempfile.TemporaryDirectory() as work:
        folder = work + "/case"
        shutil.copytree(case, folder, symlinks=True)
        run = subprocess.run([binary, "inkwright.cfg", "--format=sarif"], cwd=folder,
                             capture_output=True, check=False)
    if run.returncode not in (0, 1):
        sys.exit(f"inkwright-check ended with exit code {run.returncode}")
    log = json.loads(run.stdout)
    errors = [error.message for error in validator.iter_errors(log)]
    if errors:
        sys.exit("the SARIF log breaks the schema:\n" + "\n".join(errors[:10]))
    broken = dict(log, version="2.0.0")
    if validator.is_valid(broken):
        sys.exit("the schema accepted a log of the wrong version")
    print(f"valid SARIF 2.1.0: {len(log['runs'][0]['results'])} results")


if __name__ == "__main__":
    main()
