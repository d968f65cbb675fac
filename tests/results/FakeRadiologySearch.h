#pragma once

#include "data/components/RadiologySearch.h"

#include <QStringList>

#include <optional>

namespace tavrix::test {

// The radiology lists with scripted answers: the film folder FileNumFound
// knows, the folder a patient file listing picks and the template the
// interpretation list picks. Each call is recorded with the settings it saw.
class FakeRadiologySearch : public RadiologySearch {
public:
    bool PatientListing(const QString& text, int list, bool) override {
        calls << QStringLiteral("PatientListing(%1,%2) %3/%4").arg(text).arg(list).arg(RevenueID, SectionID);
        if (!pickedFile)
            return false;
        FileNum = *pickedFile;
        return true;
    }
    bool SearchListing(const QString& text, int list, bool) override {
        calls << QStringLiteral("SearchListing(%1,%2) %3/%4").arg(text).arg(list).arg(RevenueID, SectionID);
        if (!pickedTemplate)
            return false;
        Interpretation = *pickedTemplate;
        return true;
    }
    bool FileNumFound(const QString& fileNum) override {
        calls << QStringLiteral("FileNumFound(%1)").arg(fileNum);
        if (!knownFolder || knownFolder->FileNum != fileNum)
            return false;
        FileNum = *knownFolder;
        return true;
    }

    std::optional<FileNumRecord> knownFolder;
    std::optional<FileNumRecord> pickedFile;
    std::optional<InterpretationRecord> pickedTemplate;
    QStringList calls;
};

} // namespace tavrix::test
