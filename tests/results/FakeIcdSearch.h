#pragma once

#include "data/components/IcdSearch.h"

#include <QMap>
#include <QStringList>

namespace tavrix::test {

// The ICD-10 check over a small fixed catalogue; Sex names the sex a code must
// not be used for, as the hospital's catalogue does.
class FakeIcdSearch : public IcdSearch {
public:
    FakeIcdSearch() {
        add(QStringLiteral("G43.9"), QStringLiteral("MIGRAINE, UNSPECIFIED"));
        add(QStringLiteral("R51"), QStringLiteral("HEADACHE"));
        add(QStringLiteral("M50.1"), QStringLiteral("CERVICAL DISC DISORDER WITH RADICULOPATHY"));
        add(QStringLiteral("S83.5"), QStringLiteral("SPRAIN AND STRAIN INVOLVING CRUCIATE LIGAMENT OF KNEE"));
        add(QStringLiteral("D25.9"), QStringLiteral("LEIOMYOMA OF UTERUS, UNSPECIFIED"), QStringLiteral("M"));
        add(QStringLiteral("N40"), QStringLiteral("HYPERPLASIA OF PROSTATE"), QStringLiteral("F"));
    }
    void add(const QString& code, const QString& description, const QString& sex = {}) {
        catalogue[code] = ICDRecord{code, description, sex};
    }
    bool ValidateICDCode(const QString& code) override {
        checked << code;
        const auto it = catalogue.find(code.trimmed());
        if (it == catalogue.end())
            return false;
        clsICD = *it;
        return true;
    }

    QMap<QString, ICDRecord> catalogue;
    QStringList checked;
};

} // namespace tavrix::test
