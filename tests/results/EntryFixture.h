#pragma once

#include "data/SessionContext.h"
#include "tests/results/FakeCodeSearch.h"
#include "tests/results/FakeIcdSearch.h"
#include "tests/results/FakeRadiologySearch.h"
#include "tests/support/TestSession.h"

#include <QLineEdit>
#include <QtTest>

namespace tavrix::test {

// The demo hospital with the components answered by fakes and the default
// radiologist loaded, as a result screen finds the session.
struct EntryFixture {
    TestSession t{TestSession::Data::Demo};
    FakeCodeSearch codes;
    FakeIcdSearch icd;
    FakeRadiologySearch radiology;

    EntryFixture() {
        auto& s = SessionContext::instance();
        s.codeSearch = &codes;
        s.icdSearch = &icd;
        s.radiologySearch = &radiology;
        s.DefaultRadiologistCode = QStringLiteral("2001");
        s.DefaultRadiologistName = QStringLiteral("MARIA LOURDES SANTOS REYES");
    }
    ~EntryFixture() {
        auto& s = SessionContext::instance();
        s.codeSearch = nullptr;
        s.icdSearch = nullptr;
        s.radiologySearch = nullptr;
    }

    // A request's transaction date as the screen shows it.
    QString transDate(const QString& requestNum) {
        return t.db()
            .execute("SELECT TransDate FROM RADIOLOGY..tbMRIRequest WHERE RequestNum = '" + requestNum + "'")
            .first()
            .dateTime(QStringLiteral("TransDate"))
            .toString(QStringLiteral("MM/dd/yyyy"));
    }
};

template <class T = QWidget> T* control(QWidget& screen, const QString& name) {
    T* w = screen.findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

// Types into the surname box and presses Enter (or F12).
inline void findRequest(QWidget& screen, const QString& typed, Qt::Key key = Qt::Key_Return) {
    auto* box = control<QLineEdit>(screen, QStringLiteral("txtSname"));
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, key);
}

} // namespace tavrix::test
