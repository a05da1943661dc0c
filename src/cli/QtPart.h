#pragma once

// Runs the tool's Qt part (velaskin-cli-qt) in place of this process with the
// same command line, so that what it prints and its exit code are the
// command's. It is looked for where an installation puts it and, in a build
// folder, beside this program. Returns only when it cannot be started: with
// a message on stderr and exitcode::noQtPart.
int runQtPart(char** argv);
