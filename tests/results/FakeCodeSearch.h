#pragma once

#include "data/components/CodeSearch.h"

#include <QList>
#include <QPair>

#include <deque>
#include <optional>

namespace tavrix::test {

// The doctor search as a person would answer it: each call takes the next
// scripted pick (nothing scripted: the list is closed without a pick).
class FakeCodeSearch : public CodeSearch {
public:
    bool SearchListing(const QString& text, int mode) override {
        calls << qMakePair(text, mode);
        if (picks.empty())
            return false;
        const std::optional<DoctorRecord> pick = picks.front();
        picks.pop_front();
        if (!pick)
            return false;
        doctorRecord = *pick;
        return true;
    }

    std::deque<std::optional<DoctorRecord>> picks;
    QList<QPair<QString, int>> calls;
};

} // namespace tavrix::test
