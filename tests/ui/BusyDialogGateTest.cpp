// When the busy dialog of a model read is shown and closed: the worker's finish message
// can come before the dialog is up, while it is up, or for a read a newer one replaced.
#include <gtest/gtest.h>

#include <vector>

#include "BusyDialogGate.h"

namespace {

class CountingDialog : public BusyDialog {
public:
    void RequestClose() override { ++closeRequests; }
    int closeRequests = 0;
};

enum class Step { kBegin, kFinishNewest, kFinishFirst, kShow, kHide };

struct Case {
    const char* name;
    std::vector<Step> steps;
    bool shouldShow;    // afterwards
    int closeRequests;  // asked of the dialog in all
};

TEST(BusyDialogGate, ShowsAndClosesForTheNewestReadOnly) {
    using enum Step;
    const Case cases[] = {
        {"nothing read yet", {}, false, 0},
        {"a read runs", {kBegin}, true, 0},
        {"the read finishes while the dialog is up", {kBegin, kShow, kFinishNewest}, false, 1},
        {"the finish came before the dialog", {kBegin, kFinishNewest}, false, 0},
        {"a dialog shown all the same closes at once", {kBegin, kFinishNewest, kShow}, false, 1},
        {"an older read's finish leaves the newer dialog", {kBegin, kBegin, kShow, kFinishFirst}, false, 0},
        {"then the newer read's finish closes it", {kBegin, kBegin, kShow, kFinishFirst, kFinishNewest}, false, 1},
        {"an older finish before the dialog does not stop it showing", {kBegin, kBegin, kFinishFirst}, true, 0},
        {"a second finish asks nothing more", {kBegin, kShow, kFinishNewest, kFinishNewest}, false, 1},
        {"a finish after the dialog went touches nothing", {kBegin, kShow, kHide, kFinishNewest}, false, 0},
        {"the dialog up: no second one", {kBegin, kShow}, false, 0},
        {"a read after a finished one shows again", {kBegin, kFinishNewest, kBegin}, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BusyDialogGate gate;
        CountingDialog dialog;
        std::vector<BusyDialogGate::Generation> started;
        for (Step step : c.steps) {
            switch (step) {
            case kBegin: started.push_back(gate.Begin()); break;
            case kFinishNewest: gate.Finished(started.back()); break;
            case kFinishFirst: gate.Finished(started.front()); break;
            case kShow: gate.Shown(dialog); break;
            case kHide: gate.Hidden(); break;
            }
        }
        EXPECT_EQ(gate.ShouldShow(), c.shouldShow);
        EXPECT_EQ(dialog.closeRequests, c.closeRequests);
    }
}

}  // namespace
