#pragma once

#include "data/DbError.h"
#include "data/components/CodeSearch.h"
#include "data/components/DrugInfo.h"
#include "data/components/IcdSearch.h"
#include "data/components/RadiologySearch.h"
#include "data/components/SuppliesList.h"

#include <QStringList>
#include <QVariantList>

namespace tavrix::test {

class FakeRadiologySearch : public RadiologySearch {
public:
    bool pick = false;
    PatientRecord patient;
    QStringList calls;
    bool PatientListing(const QString& text, int list, bool) override {
        calls << QStringLiteral("PatientListing %1 '%2'").arg(list).arg(text);
        if (pick)
            (list == OutPatients ? Outpatient : Inpatient) = patient;
        return pick;
    }
    bool SearchListing(const QString&, int, bool) override { return false; }
    bool FileNumFound(const QString&) override { return false; }
};

class FakeCodeSearch : public CodeSearch {
public:
    bool SearchListing(const QString&, int) override { return false; }
};

class FakeIcdSearch : public IcdSearch {
public:
    bool ValidateICDCode(const QString&) override { return false; }
};

class FakeSuppliesList : public SuppliesList {
public:
    bool usable = true;
    bool InitConnection(Connection*) override { return usable; }
    QString ShowList(const QString&, bool, const QString&) override { return {}; }
};

class FakeDrug : public Drug {
public:
    QVariantList lastStockCard;
    bool SearchDrug(const QString&, const QString&) override { return false; }
    void AppendStockCard(const QString& a1, const QString& a2, const QString& a3, const QString& a4, const QString& a5,
                         double a6, double a7, double a8, const QString& a9, const QString& a10, const QString& a11,
                         const QString& a12, const QString& a13, const QString& a14, double a15, const QString& a16,
                         const QString& a17, const QString& a18, const std::optional<QString>& a19,
                         const std::optional<QString>& a20, const std::optional<QString>& a21,
                         const QString& a22) override {
        auto opt = [](const std::optional<QString>& v) { return v ? QVariant(*v) : QVariant(QStringLiteral("<default>")); };
        lastStockCard = {a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18,
                         opt(a19), opt(a20), opt(a21), a22};
    }
};

class FakeDrugInfo : public DrugInfo {
public:
    bool usable = true;
    FakeDrug fake;
    bool InitConnect(Connection*) override { return usable; }
    Drug& drug() override { return fake; }
};

} // namespace tavrix::test
