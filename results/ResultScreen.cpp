#include "results/ResultScreen.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/ResultSet.h"
#include "data/SessionContext.h"
#include "data/components/CodeSearch.h"
#include "data/components/IcdSearch.h"
#include "data/components/RadiologySearch.h"
#include "results/ResultEditor.h"
#include "results/ResultStatements.h"
#include "results/frmPrevious.h"
#include "ui/Prompts.h"
#include "ui/TitleBand.h"
#include "ui/Twips.h"
#include "ui/UpperCaseValidator.h"
#include "ui/frmHelp.h"

#include <QApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace tavrix {

namespace {

QLineEdit* lockedBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    ResultScreen::setLocked(box, true);
    return box;
}

QPushButton* dotsButton(QWidget* parent) {
    auto* b = new QPushButton(QStringLiteral("..."), parent);
    b->setFixedWidth(28);
    return b;
}

QLabel* caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

} // namespace

template <class W> W* ResultScreen::named(W* widget, const QString& name) {
    widget->setObjectName(name);
    controls_.insert(widget);
    return widget;
}

ResultScreen::ResultScreen(const QString& title, Options options, QWidget* parent)
    : Ui::Screen(parent), options_(options) {
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* band = makeTitleBand(title);
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(0, 0, 10, 0);
    bandLayout->addStretch(1);
    lblPatientName_ = new QLabel(band);
    lblPatientName_->setObjectName(QStringLiteral("lblPatientName"));
    lblPatientName_->setFont(band->font());
    bandLayout->addWidget(lblPatientName_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(4);
    layout->addWidget(band);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 0, 8, 0);
    body->setSpacing(4);
    topArea_ = buildTopArea();
    body->addWidget(topArea_);
    body->addWidget(buildTabs(), 1);
    lblRemarks = new QLabel(this);
    lblRemarks->setObjectName(QStringLiteral("lblRemarks"));
    lblRemarks->hide();
    body->addWidget(lblRemarks);
    body->addLayout(buildCommandRow());
    layout->addLayout(body, 1);

    // The floating panel that shows a whole ICD-10 description.
    frmICD = new QFrame(this);
    frmICD->setObjectName(QStringLiteral("frmICD"));
    frmICD->setFrameShape(QFrame::Box);
    frmICD->setFrameShadow(QFrame::Raised);
    frmICD->setLineWidth(2);
    frmICD->setAutoFillBackground(true);
    QPalette pp = frmICD->palette();
    pp.setColor(QPalette::Window, QColor(255, 255, 225));
    frmICD->setPalette(pp);
    auto* panel = new QVBoxLayout(frmICD);
    auto* heading = new QLabel(QStringLiteral("International Classification of Diseases"), frmICD);
    QFont hf = heading->font();
    hf.setBold(true);
    heading->setFont(hf);
    panel->addWidget(heading);
    lblICD = new QLabel(frmICD);
    lblICD->setObjectName(QStringLiteral("lblICD"));
    lblICD->setWordWrap(true);
    lblICD->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    QFont lf = lblICD->font();
    lf.setPointSizeF(lf.pointSizeF() * 1.15);
    lblICD->setFont(lf);
    panel->addWidget(lblICD, 1);
    frmICD->resize(460, 130);
    frmICD->hide();

    for (auto* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    setFixedSize(1010, 700);
    normalEditorHeight_ = Ui::twips(3045);
    qApp->installEventFilter(this);
}

QWidget* ResultScreen::buildTopArea() {
    auto* area = new QWidget(this);
    auto* grid = new QHBoxLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);

    // Left: the patient.
    auto* left = new QVBoxLayout;
    auto* names = new QGroupBox(QStringLiteral("Patient's Name"), area);
    auto* nl = new QGridLayout(names);
    nl->setVerticalSpacing(3);
    txtSname = named(new QLineEdit(names), QStringLiteral("txtSname"));
    txtFname = named(lockedBox(names), QStringLiteral("txtFname"));
    txtMname = named(lockedBox(names), QStringLiteral("txtMname"));
    Ui::UpperCaseValidator::install(txtSname);
    nl->addWidget(caption(QStringLiteral("Last Name "), names), 0, 0);
    nl->addWidget(txtSname, 0, 1);
    nl->addWidget(caption(QStringLiteral("First Name  "), names), 1, 0);
    nl->addWidget(txtFname, 1, 1);
    nl->addWidget(caption(QStringLiteral("Middle Name "), names), 2, 0);
    nl->addWidget(txtMname, 2, 1);
    left->addWidget(names);

    auto* personal = new QHBoxLayout;
    auto* sex = new QGroupBox(QStringLiteral("Sex"), area);
    sex->setObjectName(QStringLiteral("fraSex"));
    auto* sl = new QVBoxLayout(sex);
    sl->setSpacing(1);
    const char* sexes[] = {"Male", "Female"};
    for (int i = 0; i < 2; ++i) {
        optSex[i] =
            named(new QRadioButton(QString::fromLatin1(sexes[i]), sex), QStringLiteral("optSex(%1)").arg(i));
        sl->addWidget(optSex[i]);
    }
    sl->addStretch(1);
    sex->setEnabled(false);
    personal->addWidget(sex);
    auto* civil = new QGroupBox(QStringLiteral("Civil Status"), area);
    civil->setObjectName(QStringLiteral("fraCivil"));
    auto* cl = new QGridLayout(civil);
    cl->setVerticalSpacing(1);
    const char* statuses[] = {"Child", "Single", "Married", "Widow/er", "Separated", "Divorced"};
    for (int i = 0; i < 6; ++i) {
        optCivil[i] = named(new QRadioButton(QString::fromLatin1(statuses[i]), civil),
                            QStringLiteral("optCivil(%1)").arg(i));
        cl->addWidget(optCivil[i], i % 3, i / 3);
    }
    civil->setEnabled(false);
    personal->addWidget(civil, 1);
    left->addLayout(personal);

    auto* birth = new QGroupBox(area);
    auto* bl = new QHBoxLayout(birth);
    bl->setContentsMargins(6, 4, 6, 4);
    txtBirth = named(lockedBox(birth), QStringLiteral("txtBirth"));
    txtAge = named(lockedBox(birth), QStringLiteral("txtAge"));
    txtAge->setFixedWidth(50);
    bl->addWidget(caption(QStringLiteral("Birth Date"), birth));
    bl->addWidget(txtBirth, 1);
    bl->addWidget(caption(QStringLiteral("Age"), birth));
    bl->addWidget(txtAge);
    left->addWidget(birth);
    resetPatientButtons();
    grid->addLayout(left, 10);

    // Middle: the admission and the request.
    fraHospital = new QGroupBox(QStringLiteral("Hospital Information"), area);
    auto* hl = new QGridLayout(fraHospital);
    hl->setVerticalSpacing(3);
    txtHospNo = named(lockedBox(fraHospital), QStringLiteral("txtHospNo"));
    txtAdmNo = named(lockedBox(fraHospital), QStringLiteral("txtAdmNo"));
    txtAdmDate = named(lockedBox(fraHospital), QStringLiteral("txtAdmDate"));
    txtRoomNo = named(lockedBox(fraHospital), QStringLiteral("txtRoomNo"));
    txtTransNo = named(lockedBox(fraHospital), QStringLiteral("txtTransNo"));
    txtTransDate = named(lockedBox(fraHospital), QStringLiteral("txtTransDate"));
    txtXrayNo = named(new QLineEdit(fraHospital), QStringLiteral("txtXrayNo"));
    txtXrayNo->setMaxLength(10);
    Ui::UpperCaseValidator::install(txtXrayNo);
    QPalette xp = txtXrayNo->palette();
    xp.setColor(QPalette::Base, QColor(255, 255, 192));
    txtXrayNo->setPalette(xp);
    cmdFileNum = named(dotsButton(fraHospital), QStringLiteral("cmdFileNum"));
    txtControlNum = named(lockedBox(fraHospital), QStringLiteral("txtControlNum"));
    lblTransDate = caption(QStringLiteral("Transaction Date"), fraHospital);
    lblControlNum = caption(QStringLiteral("Control No."), fraHospital);
    const std::pair<const char*, QLineEdit*> rows[] = {{"Hospital No.", txtHospNo},
                                                       {"Admission No.", txtAdmNo},
                                                       {"Admission Date", txtAdmDate},
                                                       {"Room No.", txtRoomNo},
                                                       {"Transaction No.", txtTransNo}};
    int r = 0;
    for (const auto& [text, box] : rows) {
        hl->addWidget(caption(QString::fromLatin1(text), fraHospital), r, 0);
        hl->addWidget(box, r++, 1, 1, 2);
    }
    hl->addWidget(lblTransDate, r, 0);
    hl->addWidget(txtTransDate, r++, 1, 1, 2);
    hl->addWidget(caption(QStringLiteral("File No."), fraHospital), r, 0);
    hl->addWidget(txtXrayNo, r, 1);
    hl->addWidget(cmdFileNum, r++, 2);
    hl->addWidget(lblControlNum, r, 0);
    hl->addWidget(txtControlNum, r++, 1, 1, 2);
    lblControlNum->hide();
    txtControlNum->hide();
    hl->setColumnStretch(1, 1);
    grid->addWidget(fraHospital, 9);

    // Right: the exam and its doctors.
    fraExam = new QGroupBox(QStringLiteral("File"), area);
    auto* el = new QGridLayout(fraExam);
    el->setVerticalSpacing(2);
    txtTest = named(new QLineEdit(fraExam), QStringLiteral("txtTest"));
    txtDoctorID = named(lockedBox(fraExam), QStringLiteral("txtDoctorID"));
    txtDoctor = named(lockedBox(fraExam), QStringLiteral("txtDoctor"));
    cmdDoctor = named(dotsButton(fraExam), QStringLiteral("cmdDoctor"));
    txtRadioID = named(new QLineEdit(fraExam), QStringLiteral("txtRadioID"));
    txtRadio = named(new QLineEdit(fraExam), QStringLiteral("txtRadio"));
    cmdRadio = named(dotsButton(fraExam), QStringLiteral("cmdRadio"));
    Ui::UpperCaseValidator::install(txtRadioID);
    Ui::UpperCaseValidator::install(txtRadio);
    for (QLineEdit* code : {txtDoctorID, txtRadioID})
        code->setFixedWidth(64);
    el->addWidget(caption(QStringLiteral("Test Taken"), fraExam), 0, 0, 1, 3);
    el->addWidget(txtTest, 1, 0, 1, 3);
    el->addWidget(caption(QStringLiteral("Ref. Physician"), fraExam), 2, 0, 1, 3);
    el->addWidget(txtDoctorID, 3, 0);
    el->addWidget(txtDoctor, 3, 1);
    el->addWidget(cmdDoctor, 3, 2);
    el->addWidget(caption(QStringLiteral("Radiologist"), fraExam), 4, 0, 1, 3);
    el->addWidget(txtRadioID, 5, 0);
    el->addWidget(txtRadio, 5, 1);
    el->addWidget(cmdRadio, 5, 2);
    el->setRowStretch(6, 1);
    el->setColumnStretch(1, 1);
    grid->addWidget(fraExam, 10);
    return area;
}

QWidget* ResultScreen::buildTabs() {
    tabResult = named(new QTabWidget(this), QStringLiteral("tabResult"));

    auto* interpretation = new QWidget(tabResult);
    auto* il = new QVBoxLayout(interpretation);
    il->setContentsMargins(6, 6, 6, 6);
    auto* head = new QHBoxLayout;
    dtpResultDate = named(new QDateEdit(interpretation), QStringLiteral("dtpResultDate"));
    dtpResultDate->setCalendarPopup(true);
    dtpResultDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dtpResultDate->setDate(QDate::currentDate());
    txtRadioID2 = named(lockedBox(interpretation), QStringLiteral("txtRadioID2"));
    txtRadioID2->setFixedWidth(64);
    cmdRadio2 = named(dotsButton(interpretation), QStringLiteral("cmdRadio2"));
    txtRadio2 = named(lockedBox(interpretation), QStringLiteral("txtRadio2"));
    cmdPreviousresult = named(new QPushButton(QStringLiteral("View Previous Result"), interpretation),
                              QStringLiteral("cmdPreviousresult"));
    cmdPreviousresult->setEnabled(false);
    head->addWidget(caption(QStringLiteral("Result Date :"), interpretation));
    head->addWidget(dtpResultDate);
    head->addSpacing(16);
    head->addWidget(caption(QStringLiteral("Co-Radiologist:"), interpretation));
    head->addWidget(txtRadioID2);
    head->addWidget(cmdRadio2);
    head->addWidget(txtRadio2, 1);
    head->addSpacing(16);
    head->addWidget(cmdPreviousresult);
    il->addLayout(head);
    txtInterpret = named(new ResultEditor(interpretation), QStringLiteral("txtInterpret"));
    txtInterpret->setMinimumHeight(Ui::twips(3045));
    il->addWidget(txtInterpret, 1);
    tabResult->addTab(interpretation, QStringLiteral("Interpretation       "));

    rtfRemarks = named(new QTextEdit(tabResult), QStringLiteral("rtfRemarks"));
    rtfRemarks->setAcceptRichText(false);
    tabResult->addTab(rtfRemarks, QStringLiteral("Remarks"));
    rtfDiagnosis = named(new QTextEdit(tabResult), QStringLiteral("rtfDiagnosis"));
    rtfDiagnosis->setAcceptRichText(false);
    tabResult->addTab(rtfDiagnosis, QStringLiteral("Admitting Diagmosis"));

    auto* icd = new QWidget(tabResult);
    auto* grid = new QGridLayout(icd);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(4);
    for (int i = 0; i < IcdRows; ++i) {
        const int row = i % 10, col = (i / 10) * 5;
        auto* number = new QLabel(QString::number(i + 1) + u'.', icd);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txtICDCode[i] = named(new QLineEdit(icd), QStringLiteral("txtICDCode(%1)").arg(i));
        txtICDCode[i]->setFixedWidth(70);
        if (options_.upperCaseIcdCodes)
            Ui::UpperCaseValidator::install(txtICDCode[i]);
        cmdSearch[i] = named(dotsButton(icd), QStringLiteral("cmdSearch(%1)").arg(i));
        cmdSearch[i]->setFixedHeight(txtICDCode[i]->sizeHint().height());
        txtICDDescription[i] = named(new QPlainTextEdit(icd), QStringLiteral("txtICDDescription(%1)").arg(i));
        txtICDDescription[i]->setReadOnly(true);
        txtICDDescription[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        txtICDDescription[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        txtICDDescription[i]->setFixedHeight(txtICDCode[i]->sizeHint().height());
        txtICDDescription[i]->setEnabled(false);
        grid->addWidget(number, row, col);
        grid->addWidget(txtICDCode[i], row, col + 1);
        grid->addWidget(cmdSearch[i], row, col + 2);
        grid->addWidget(txtICDDescription[i], row, col + 3);
        connect(cmdSearch[i], &QPushButton::clicked, this, [this, i] { validateIcdRow(i); });
    }
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(8, 1);
    grid->setColumnMinimumWidth(4, 12);
    grid->setRowStretch(10, 1);
    tabResult->addTab(icd, QStringLiteral("ICD10"));
    connect(tabResult, &QTabWidget::currentChanged, this, &ResultScreen::hideIcdPanel);

    return tabResult;
}

QLayout* ResultScreen::buildCommandRow() {
    auto* row = new QHBoxLayout;
    cmdCoded = named(new QPushButton(QStringLiteral("C&oded"), this), QStringLiteral("cmdCoded"));
    cmdDirectPrintVerify = named(new QPushButton(QStringLiteral("Direct Print/Verif&y"), this),
                                 QStringLiteral("cmdDirectPrintVerify"));
    cmdSaveVerify =
        named(new QPushButton(QStringLiteral("Save/&Verify"), this), QStringLiteral("cmdSaveVerify"));
    cmdPrintVerify =
        named(new QPushButton(QStringLiteral("Print/Verif&y"), this), QStringLiteral("cmdPrintVerify"));
    cmdSave = named(new QPushButton(QStringLiteral("&Save"), this), QStringLiteral("cmdSave"));
    cmdPrint = named(new QPushButton(QStringLiteral("Save/&Print"), this), QStringLiteral("cmdPrint"));
    cmdCancel = named(new QPushButton(QStringLiteral("&Close"), this), QStringLiteral("cmdCancel"));
    row->addWidget(cmdCoded);
    row->addStretch(1);
    for (QPushButton* b :
         {cmdDirectPrintVerify, cmdSaveVerify, cmdPrintVerify, cmdSave, cmdPrint, cmdCancel}) {
        b->setMinimumWidth(110);
        row->addWidget(b);
    }
    cmdCoded->setMinimumWidth(90);
    connect(cmdCoded, &QPushButton::clicked, this, &ResultScreen::codedInterpretation);
    connect(cmdPreviousresult, &QPushButton::clicked, this, &ResultScreen::showPreviousResults);
    connect(cmdCancel, &QPushButton::clicked, this, &ResultScreen::reject);
    return row;
}

// ---- keys and focus -------------------------------------------------------

QWidget* ResultScreen::controlOf(QWidget* widget) const {
    for (QWidget* w = widget; w && w != this; w = w->parentWidget())
        if (controls_.contains(w))
            return w;
    return nullptr;
}

bool ResultScreen::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::FocusOut)
        return Ui::Screen::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return Ui::Screen::eventFilter(watched, event);
    if (type != QEvent::KeyPress) {
        if (QWidget* control = controlOf(widget); control == widget)
            focusChanged(control, type == QEvent::FocusIn);
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text() == QLatin1String("'")) {
        // Typed apostrophes become backquotes before any control sees them.
        QKeyEvent backquote(QEvent::KeyPress, Qt::Key_QuoteLeft, key->modifiers(), QStringLiteral("`"),
                            key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(watched, &backquote);
        return true;
    }
    return handleKey(controlOf(widget), key);
}

bool ResultScreen::handleKey(QWidget* control, QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_F1 && control && controlTakesF1(control))
        return controlKey(control, event);
    if (screenKey(key)) {
        if (key == Qt::Key_F11 && control) // a code box shows its description as well
            controlKey(control, event);
        return true;
    }
    return control && controlKey(control, event);
}

bool ResultScreen::screenKey(int key) {
    switch (key) {
    case Qt::Key_F1:
        showHelp();
        return true;
    case Qt::Key_F2:
        clickIfEnabled(cmdDirectPrintVerify);
        return true;
    case Qt::Key_F3:
        clickIfEnabled(cmdSaveVerify);
        return true;
    case Qt::Key_F4:
        clickIfEnabled(cmdPrintVerify);
        return true;
    case Qt::Key_F5:
        clickIfEnabled(cmdSave);
        return true;
    case Qt::Key_F6:
        clickIfEnabled(cmdPrint);
        return true;
    case Qt::Key_F7:
        clickIfEnabled(cmdPreviousresult);
        return true;
    case Qt::Key_F8:
        clickIfEnabled(cmdCoded);
        return true;
    case Qt::Key_F9:
        if (tabResult->isTabEnabled(IcdTab)) {
            tabResult->setCurrentIndex(IcdTab);
            focusIfVisible(txtICDCode[0]);
        }
        return true;
    case Qt::Key_F10:
        if (tabResult->isTabEnabled(RemarksTab)) {
            tabResult->setCurrentIndex(RemarksTab);
            focusIfVisible(rtfRemarks);
        }
        return true;
    case Qt::Key_F11:
        toggleEnlarged();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    default:
        return false;
    }
}

void ResultScreen::clickIfEnabled(QPushButton* button) {
    if (button->isEnabled())
        button->click();
}

bool ResultScreen::controlKey(QWidget* control, QKeyEvent* event) {
    const int row = icdRowOf(control, false);
    if (row < 0)
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        validateIcdRow(row);
        return true;
    case Qt::Key_F11:
        showIcdPanel(row);
        return true;
    default:
        return false;
    }
}

bool ResultScreen::controlTakesF1(QWidget*) const {
    return false;
}

int ResultScreen::icdRowOf(QWidget* widget, bool description) const {
    for (int i = 0; i < IcdRows; ++i)
        if (widget == (description ? static_cast<QWidget*>(txtICDDescription[i]) : txtICDCode[i]))
            return i;
    return -1;
}

void ResultScreen::focusChanged(QWidget* control, bool in) {
    if (const int row = icdRowOf(control, true); row >= 0) {
        if (!in || frmICD->isVisible())
            hideIcdPanel();
        else
            showIcdPanel(row);
    } else if (!in && options_.hideIcdPanelWhenCodeLeft && icdRowOf(control, false) >= 0) {
        hideIcdPanel();
    }
}

void ResultScreen::setLocked(QLineEdit* box, bool locked) {
    // A locked box reads as shown-only: grey instead of the white of a box one types in.
    box->setReadOnly(locked);
    QPalette p = box->palette();
    p.setColor(QPalette::Base,
               locked ? QColor(236, 236, 236) : QApplication::palette().color(QPalette::Base));
    box->setPalette(p);
}

void ResultScreen::focusIfVisible(QWidget* widget) {
    if (widget->isVisible())
        widget->setFocus();
}

// ---- shared steps ---------------------------------------------------------

void ResultScreen::showHelp() {
    frmHelp::showPage(frmHelp::ResultScreensPage, this);
}

void ResultScreen::toggleEnlarged() {
    if (txtSname->text().isEmpty() && txtFname->text().isEmpty()) {
        Ui::message(QStringLiteral("Unable to proceed, No patient selected"), QStringLiteral("ERROR"),
                    Ui::Icon::Information);
        return;
    }
    if (enlarged_) {
        restoreNormalView();
        return;
    }
    enlarged_ = true;
    topArea_->hide();
    txtInterpret->setMinimumHeight(Ui::twips(5700));
    lblPatientName_->setText(txtSname->text() + QStringLiteral(", ") + txtFname->text() + u' ' +
                             txtMname->text());
}

void ResultScreen::restoreNormalView() {
    enlarged_ = false;
    txtInterpret->setMinimumHeight(normalEditorHeight_);
    topArea_->show();
    lblPatientName_->clear();
}

void ResultScreen::codedInterpretation() {
    RadiologySearch* search = SessionContext::instance().radiologySearch;
    if (!search)
        return;
    try {
        search->RevenueID = QStringLiteral("XR");
        search->SectionID = QStringLiteral("MI");
        if (!search->SearchListing(QString(), RadiologySearch::Interpretations, true))
            return;
    } catch (const DbError& e) {
        if (e.number() != DbError::NoCurrentRow)
            reportError(QStringLiteral("The list of coded interpretations could not be read."), e);
        return;
    }
    QString text = search->Interpretation.Interpretation;
    text.remove(QString(QChar(236)) + u'\n');
    txtInterpret->appendText(text);
}

void ResultScreen::validateIcdRow(int row) {
    IcdSearch* icd = SessionContext::instance().icdSearch;
    if (!icd)
        return;
    try {
        if (!icd->ValidateICDCode(txtICDCode[row]->text()))
            return;
    } catch (const DbError& e) {
        if (e.number() != DbError::NoCurrentRow)
            reportError(QStringLiteral("The ICD-10 code could not be checked."), e);
        return;
    }
    const ICDRecord found = icd->clsICD;
    const bool male = patientIsMale();
    QString refusal;
    if (found.Sex == QLatin1String("M") && male)
        refusal = QStringLiteral("ICD Code ") + found.ICDCode +
                  QStringLiteral(" is only applied to female patients...");
    else if (found.Sex == QLatin1String("F") && !male)
        refusal = QStringLiteral("ICD code ") + found.ICDCode +
                  QStringLiteral(" is only applied to male patients...");
    if (!refusal.isEmpty()) {
        Ui::message(refusal, Ui::appTitle(), Ui::Icon::Warning);
        // Not accepted: a code left in its box would be stored with the result.
        setIcdRow(row, QString(), QString());
        focusIfVisible(txtICDCode[row]);
        return;
    }
    if (Ui::message(found.ICDCode + QStringLiteral(" - ") + found.Description, Ui::appTitle(),
                    Ui::Icon::Question, Ui::Buttons::OkCancel) == Ui::Answer::Ok)
        setIcdRow(row, found.ICDCode, found.Description);
    else
        setIcdRow(row, QString(), QString());
}

void ResultScreen::setIcdRow(int row, const QString& code, const QString& description) {
    txtICDCode[row]->setText(code);
    txtICDDescription[row]->setPlainText(description);
    txtICDDescription[row]->setEnabled(!code.isEmpty());
}

void ResultScreen::clearIcdRows() {
    for (int i = 0; i < IcdRows; ++i)
        setIcdRow(i, QString(), QString());
    hideIcdPanel();
}

void ResultScreen::loadStoredDiagnoses(const QString& idNum, int maxRows) {
    const auto& session = SessionContext::instance();
    const ResultSet rows =
        session.connection().execute(ResultStatements::storedDiagnoses(idNum, session.RevenueID));
    for (int i = 0; i < rows.rowCount() && i < maxRows && i < IcdRows; ++i)
        setIcdRow(i, rows.text(i, QStringLiteral("DiagnosisID")),
                  rows.text(i, QStringLiteral("Description")));
}

QStringList ResultScreen::icdCodes() const {
    QStringList codes;
    for (const QLineEdit* code : txtICDCode)
        codes << code->text();
    return codes;
}

void ResultScreen::showIcdPanel(int row) {
    lblICD->setText(txtICDDescription[row]->toPlainText());
    // Over the other column of rows, so the row being worked on stays in sight.
    const int x = row < 10 ? tabResult->width() - frmICD->width() - 16 : 16;
    const int y = std::max(36, tabResult->height() - frmICD->height() - 16);
    const QPoint at = tabResult->mapTo(this, QPoint(x, y));
    frmICD->move(at);
    frmICD->raise();
    frmICD->show();
}

void ResultScreen::hideIcdPanel() {
    frmICD->hide();
}

bool ResultScreen::pickDoctor(const QString& seed, DoctorRecord& picked) {
    CodeSearch* search = SessionContext::instance().codeSearch;
    if (!search)
        return false;
    bool found = false;
    try {
        try {
            found = search->SearchListing(seed, CodeSearch::Doctors);
        } catch (const DbError& e) {
            // Nothing matches the seed: let the user choose from the whole list.
            if (e.number() != DbError::NoCurrentRow || seed.isEmpty())
                throw;
            found = search->SearchListing(QString(), CodeSearch::Doctors);
        }
    } catch (const DbError& e) {
        if (e.number() != DbError::NoCurrentRow)
            reportError(QStringLiteral("The list of doctors could not be read."), e);
        return false;
    }
    if (found)
        picked = search->doctorRecord;
    return found;
}

QString ResultScreen::fullName(const DoctorRecord& doctor) {
    QStringList parts;
    for (const QString& p : {doctor.FirstName, doctor.MiddleName, doctor.LastName})
        if (!p.trimmed().isEmpty())
            parts << p.trimmed();
    return parts.join(u' ');
}

bool ResultScreen::patientIsMale() const {
    return optSex[0]->isChecked();
}

void ResultScreen::setSex(const QString& code) {
    if (code == QLatin1String("M"))
        optSex[0]->setChecked(true);
    else if (code == QLatin1String("F"))
        optSex[1]->setChecked(true);
}

void ResultScreen::setCivilStatus(const QString& code) {
    bool ok = false;
    const int i = code.toInt(&ok);
    if (ok && code.size() == 1 && i >= 0 && i < 6)
        optCivil[i]->setChecked(true);
}

void ResultScreen::resetPatientButtons() {
    optSex[0]->setChecked(true);
    optCivil[1]->setChecked(true);
}

void ResultScreen::showPreviousResults() {
    frmPrevious previous(this);
    previous.strHospNum = txtHospNo->text();
    previous.strFileNo = txtXrayNo->text();
    Ui::runModal(previous);
}

void ResultScreen::reportError(const QString& what, const DbError& error) {
    Ui::message(what + QStringLiteral("\n\n") + error.message(), Ui::appTitle(), Ui::Icon::Critical);
}

void ResultScreen::reject() {
    if (!txtSname->text().trimmed().isEmpty() &&
        !Ui::ask(QStringLiteral("Abandon current entry?"), Ui::appTitle()))
        return;
    Ui::Screen::reject();
}

void ResultScreen::closeScreen() {
    Ui::Screen::reject();
}

} // namespace tavrix
