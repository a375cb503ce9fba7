// The order of the print action's steps, with the dialog and the waits replaced.
#include "print/print_action.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Recorder {
    std::vector<std::string> steps;
    bool confirm = true;
    bool printOk = true;

    PrintActionSteps Steps() {
        return {
            [this] {
                steps.push_back("dialog");
                return confirm;
            },
            [this] { steps.push_back("fit"); },
            [this] { steps.push_back("repaint"); },
            [this](int ms) { steps.push_back("wait " + std::to_string(ms)); },
            [this] {
                steps.push_back("print");
                return printOk;
            },
            [this] { steps.push_back("focus"); },
        };
    }
};

TEST(RunPrintAction, CancelledDialogPrintsNothingAndWaitsForNothing) {
    Recorder recorder;
    recorder.confirm = false;
    EXPECT_FALSE(RunPrintAction(recorder.Steps()));
    EXPECT_EQ(recorder.steps, (std::vector<std::string>{"dialog", "focus"}));
}

TEST(RunPrintAction, ConfirmedDialogFitsSettlesPrintsSettlesAndRefocuses) {
    const std::vector<std::string> expected{"dialog", "fit",       "repaint", "wait 1000",
                                            "print",  "wait 1000", "focus"};
    for (const bool printOk : {true, false}) {
        Recorder recorder;
        recorder.printOk = printOk;
        EXPECT_EQ(RunPrintAction(recorder.Steps()), printOk);
        EXPECT_EQ(recorder.steps, expected);
    }
}

} // namespace
