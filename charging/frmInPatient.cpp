#include "charging/frmInPatient.h"

#include "charging/ChargeLookup.h"
#include "charging/ChargeSlip.h"
#include "charging/clsLoadExam.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/StoredProcs.h"
#include "data/ValueText.h"
#include "data/components/CodeSearch.h"
#include "data/components/RadiologySearch.h"
#include "ui/BusyCursor.h"
#include "ui/ChargeGrid.h"
#include "ui/Prompts.h"
#include "ui/TitleBand.h"
#include "ui/UpperCaseValidator.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>

namespace tavrix {

namespace {

const QString kClosedBill = QStringLiteral("Cannot post charges. The patient's account has been already "
                                           "closed. Please contact billing for further instructions.");
const QString kCashBasis =
    QStringLiteral("Cannot post charges because the patient has been placed under cash basis only. "
                   "If you want to post charges, please contact the credit and collections officer.");

QLineEdit* field(const QString& name, int maxLength, bool readOnly, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    if (readOnly) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    }
    return edit;
}

QLabel* label(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

bool leftByTheUser(const QEvent* e) {
    if (e->type() != QEvent::FocusOut)
        return false;
    const auto reason = static_cast<const QFocusEvent*>(e)->reason();
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason;
}

} // namespace

frmInPatient::frmInPatient(QWidget* parent) : Ui::Screen(parent) {
    setObjectName(QStringLiteral("frmInPatient"));
    setWindowTitle(QStringLiteral("In-Patient Request Entry"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    buildLayout();

    grid_->setRateFixedCheck([this](int row) {
        return clsLoadExam().ISExamFixRate(SessionContext::instance().RevenueID,
                                           grid_->text(row, grid_->settings().codeColumn));
    });
    ChargeLookup::Settings lookupSettings;
    lookupSettings.patientKey = [this] { return txtAdmNo_->text(); };
    lookupSettings.rate = [this](const OtherRevenueRecord& item, const CTExamRecord& ct) {
        return examRate(item, ct);
    };
    lookup_ = std::make_unique<ChargeLookup>(*grid_, lookupSettings);
    grid_->setLookup(
        [this](int row, int column, const QString& typed) { lookup_->lookUp(row, column, typed); });
    connect(grid_, &Ui::ChargeGrid::totalChanged, txtTotal_, &QLineEdit::setText);

    connect(txtSname_, &QLineEdit::returnPressed, this, &frmInPatient::lookUpPatient);
    txtSname_->installEventFilter(this);
    txtDoctorID_->installEventFilter(this);
    connect(cmdDoctor_, &QPushButton::clicked, this, &frmInPatient::chooseDoctor);
    connect(cmdSave_, &QPushButton::clicked, this, &frmInPatient::saveOnly);
    connect(cmdPrint_, &QPushButton::clicked, this, &frmInPatient::saveAndPrint);
    connect(cmdClose_, &QPushButton::clicked, this, &frmInPatient::reject);
}

frmInPatient::~frmInPatient() = default;

void frmInPatient::buildLayout() {
    auto& session = SessionContext::instance();

    auto* fraName = new QGroupBox(QStringLiteral("Patient's Name"), this);
    fraName->setObjectName(QStringLiteral("fraName"));
    txtSname_ = field(QStringLiteral("txtSname"), 30, false, fraName);
    Ui::UpperCaseValidator::install(txtSname_);
    txtFname_ = field(QStringLiteral("txtFname"), 30, true, fraName);
    txtMname_ = field(QStringLiteral("txtMname"), 30, true, fraName);
    auto* nameGrid = new QGridLayout(fraName);
    nameGrid->addWidget(label(QStringLiteral("Last Name "), fraName), 0, 0);
    nameGrid->addWidget(txtSname_, 0, 1);
    nameGrid->addWidget(label(QStringLiteral("First Name  "), fraName), 1, 0);
    nameGrid->addWidget(txtFname_, 1, 1);
    nameGrid->addWidget(label(QStringLiteral("Middle Name "), fraName), 2, 0);
    nameGrid->addWidget(txtMname_, 2, 1);

    auto* fraHospital = new QGroupBox(QStringLiteral("Hospital Information"), this);
    fraHospital->setObjectName(QStringLiteral("fraHospital"));
    txtHospNo_ = field(QStringLiteral("txtHospNo"), 15, true, fraHospital);
    txtAdmNo_ = field(QStringLiteral("txtAdmNo"), 20, true, fraHospital);
    txtRoomNo_ = field(QStringLiteral("txtRoomNo"), 0, true, fraHospital);
    txtAdmDate_ = field(QStringLiteral("txtAdmDate"), 10, true, fraHospital);
    txtDoctorID_ = field(QStringLiteral("txtDoctorID"), 0, false, fraHospital);
    txtDoctorID_->setMaximumWidth(90);
    cmdDoctor_ = new QPushButton(QStringLiteral("..."), fraHospital);
    cmdDoctor_->setObjectName(QStringLiteral("cmdDoctor"));
    cmdDoctor_->setMaximumWidth(32);
    txtDoctor_ = field(QStringLiteral("txtDoctor"), 0, true, fraHospital);
    auto* hospGrid = new QGridLayout(fraHospital);
    hospGrid->addWidget(label(QStringLiteral("Hospital No."), fraHospital), 0, 0);
    hospGrid->addWidget(txtHospNo_, 0, 1);
    hospGrid->addWidget(label(QStringLiteral("Admission No."), fraHospital), 0, 2);
    hospGrid->addWidget(txtAdmNo_, 0, 3);
    hospGrid->addWidget(label(QStringLiteral("Room No."), fraHospital), 1, 0);
    hospGrid->addWidget(txtRoomNo_, 1, 1);
    hospGrid->addWidget(label(QStringLiteral("Admission Date"), fraHospital), 1, 2);
    hospGrid->addWidget(txtAdmDate_, 1, 3);
    auto* doctorRow = new QHBoxLayout;
    doctorRow->addWidget(txtDoctorID_);
    doctorRow->addWidget(cmdDoctor_);
    doctorRow->addWidget(txtDoctor_, 1);
    hospGrid->addWidget(label(QStringLiteral("Attending Doctor"), fraHospital), 2, 0);
    hospGrid->addLayout(doctorRow, 2, 1, 1, 3);

    // Shown, never changed by the clerk.
    auto readOnlyOption = [](QRadioButton* o, const QString& name) {
        o->setObjectName(name);
        o->setFocusPolicy(Qt::NoFocus);
        o->setAttribute(Qt::WA_TransparentForMouseEvents);
    };
    auto* fraCivil = new QGroupBox(QStringLiteral("Civil Status"), this);
    fraCivil->setObjectName(QStringLiteral("fraCivil"));
    auto* civilGrid = new QGridLayout(fraCivil);
    auto* civilGroup = new QButtonGroup(this);
    const QString civil[] = {QStringLiteral("Child"),     QStringLiteral("Single"),
                             QStringLiteral("Married"),   QStringLiteral("Widow/er"),
                             QStringLiteral("Separated"), QStringLiteral("Divorced")};
    for (int i = 0; i < 6; ++i) {
        optCivil_[i] = new QRadioButton(civil[i], fraCivil);
        readOnlyOption(optCivil_[i], QStringLiteral("optCivil%1").arg(i));
        civilGroup->addButton(optCivil_[i], i);
        civilGrid->addWidget(optCivil_[i], i % 3, i / 3);
    }
    optCivil_[1]->setChecked(true);

    auto* fraSex = new QGroupBox(QStringLiteral("Sex"), this);
    fraSex->setObjectName(QStringLiteral("fraSex"));
    auto* sexBox = new QVBoxLayout(fraSex);
    auto* sexGroup = new QButtonGroup(this);
    optSex_[0] = new QRadioButton(QStringLiteral("Male"), fraSex);
    optSex_[1] = new QRadioButton(QStringLiteral("Female"), fraSex);
    for (int i = 0; i < 2; ++i) {
        readOnlyOption(optSex_[i], QStringLiteral("optSex%1").arg(i));
        sexGroup->addButton(optSex_[i], i);
        sexBox->addWidget(optSex_[i]);
    }
    sexBox->addStretch(1);
    optSex_[0]->setChecked(true);

    auto* fraBirth = new QGroupBox(QStringLiteral("Birth"), this);
    fraBirth->setObjectName(QStringLiteral("fraBirth"));
    txtBirthDate_ = field(QStringLiteral("txtBirthDate"), 0, true, fraBirth);
    txtAge_ = field(QStringLiteral("txtAge"), 0, true, fraBirth);
    auto* birthGrid = new QGridLayout(fraBirth);
    birthGrid->addWidget(label(QStringLiteral("Birth Date"), fraBirth), 0, 0);
    birthGrid->addWidget(txtBirthDate_, 0, 1);
    birthGrid->addWidget(label(QStringLiteral("Age"), fraBirth), 1, 0);
    birthGrid->addWidget(txtAge_, 1, 1);
    birthGrid->setRowStretch(2, 1);

    auto* fraAddress = new QGroupBox(QStringLiteral("Address"), this);
    fraAddress->setObjectName(QStringLiteral("fraAddress"));
    txtStreet_ = field(QStringLiteral("txtStreet"), 30, true, fraAddress);
    txtBarangay_ = field(QStringLiteral("txtBarangay"), 30, true, fraAddress);
    txtTown_ = field(QStringLiteral("txtTown"), 0, true, fraAddress);
    auto* addressGrid = new QGridLayout(fraAddress);
    addressGrid->addWidget(label(QStringLiteral("House No./Street"), fraAddress), 0, 0);
    addressGrid->addWidget(txtStreet_, 0, 1);
    addressGrid->addWidget(label(QStringLiteral("Barangay"), fraAddress), 1, 0);
    addressGrid->addWidget(txtBarangay_, 1, 1);
    addressGrid->addWidget(label(QStringLiteral("Province/Town"), fraAddress), 2, 0);
    addressGrid->addWidget(txtTown_, 2, 1);

    fraExam_ = new QGroupBox(QStringLiteral("Examinations"), this);
    fraExam_->setObjectName(QStringLiteral("fraExam"));
    grid_ = new Ui::ChargeGrid(Ui::ChargeGridSettings::inPatient(session.RevenueID, session.IncludeDoctorFee),
                               fraExam_);
    txtTotal_ = field(QStringLiteral("txtTotal"), 0, true, fraExam_);
    txtTotal_->setText(QStringLiteral("0.00"));
    txtTotal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtTotal_->setMaximumWidth(150);
    QFont totalFont = txtTotal_->font();
    totalFont.setBold(true);
    totalFont.setPointSizeF(totalFont.pointSizeF() * 1.2);
    txtTotal_->setFont(totalFont);
    auto* totalLabel = new QLabel(QStringLiteral("Total:"), fraExam_);
    totalLabel->setFont(totalFont);
    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch(1);
    totalRow->addWidget(totalLabel);
    totalRow->addWidget(txtTotal_);
    auto* examBox = new QVBoxLayout(fraExam_);
    examBox->addWidget(grid_, 1);
    examBox->addLayout(totalRow);
    fraExam_->setEnabled(false);

    auto* legend = new QHBoxLayout;
    auto* legendTitle = new QLabel(QStringLiteral("Dept. Codes : "), this);
    legendTitle->setObjectName(QStringLiteral("lblDeptCodes"));
    QFont bold = legendTitle->font();
    bold.setBold(true);
    legendTitle->setFont(bold);
    legend->addWidget(legendTitle);
    for (const char* text : {"MI-MRI Procedures", "MD-Readers Fee", "MS-MRI Supply", "MZ-MRI Medicine"}) {
        auto* l = new QLabel(QLatin1String(text), this);
        legend->addWidget(l);
        legend->addSpacing(10);
    }
    legend->addStretch(1);

    cmdSave_ = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave_->setObjectName(QStringLiteral("cmdSave"));
    cmdPrint_ = new QPushButton(QStringLiteral("Save/&Print"), this);
    cmdPrint_->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose_ = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setFocusPolicy(Qt::NoFocus); // closing never runs a field's check
    for (QPushButton* b : {cmdDoctor_, cmdSave_, cmdPrint_, cmdClose_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    for (QPushButton* b : {cmdSave_, cmdPrint_, cmdClose_})
        b->setMinimumWidth(100);
    legend->addWidget(cmdSave_);
    legend->addWidget(cmdPrint_);
    legend->addWidget(cmdClose_);

    auto* top = new QHBoxLayout;
    top->addWidget(fraName, 2);
    top->addWidget(fraHospital, 3);
    auto* middle = new QHBoxLayout;
    middle->addWidget(fraCivil);
    middle->addWidget(fraSex);
    middle->addWidget(fraBirth, 1);
    middle->addWidget(fraAddress, 2);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 8);
    outer->addWidget(makeTitleBand(QStringLiteral("In-Patient Request Entry")));
    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 4, 10, 0);
    body->addLayout(top);
    body->addLayout(middle);
    body->addWidget(fraExam_, 1);
    body->addLayout(legend);
    outer->addLayout(body, 1);
    resize(980, 660);
    setTabOrder(txtSname_, txtDoctorID_);
    setTabOrder(txtDoctorID_, cmdDoctor_);
    setTabOrder(cmdDoctor_, grid_);
}

void frmInPatient::open() {
    if (opened_)
        return;
    opened_ = true;
    if (!NursingRequest)
        return;
    try {
        const ResultSet requests = SessionContext::instance().connection().execute(
            SqlText::build(u"RADIOLOGY..spMRI_NurseRequestByIdNum '{}'", {IDNum}));
        if (!requests.isEmpty())
            grid_->showResult(requests);
    } catch (const DbError& e) {
        Ui::message(QStringLiteral("The ward's requests could not be read:\n") + e.message(), Ui::appTitle(),
                    Ui::Icon::Critical);
    }
    fraExam_->setEnabled(true);
    grid_->setEnabled(false);
    for (int c = 1; c <= 6; ++c)
        grid_->setColumnLocked(c, true);
}

void frmInPatient::showEvent(QShowEvent* e) {
    open();
    if (NursingRequest) {
        double total = 0;
        for (const auto& line : chargeLines())
            if (!line.code.trimmed().isEmpty())
                total += ValueText::leadingNumber(line.amount);
        txtTotal_->setText(ValueText::amount(total));
    }
    Ui::Screen::showEvent(e);
}

void frmInPatient::keyPressEvent(QKeyEvent* e) {
    // Esc would throw away what was typed; Enter belongs to the fields.
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    Ui::Screen::keyPressEvent(e);
}

bool frmInPatient::eventFilter(QObject* watched, QEvent* e) {
    if (leftByTheUser(e)) {
        if (watched == txtSname_)
            lookUpPatient();
        else if (watched == txtDoctorID_)
            checkDoctorId();
    }
    return Ui::Screen::eventFilter(watched, e);
}

void frmInPatient::done(int result) {
    NursingRequest = false;
    Ui::Screen::done(result);
}

void frmInPatient::fillPatient(const PatientRecord& p) {
    txtSname_->setText(p.LastName);
    txtFname_->setText(p.FirstName);
    txtMname_->setText(p.MiddleName);
    txtHospNo_->setText(p.HospitalNumber);
    txtAdmNo_->setText(p.IdNumber);
    txtRoomNo_->setText(p.RoomID);
    txtAdmDate_->setText(p.AdmDate);
    txtBirthDate_->setText(p.BirthDate);
    txtAge_->setText(p.Age);
    txtStreet_->setText(p.HouseStreet);
    txtBarangay_->setText(p.Barangay);
    txtTown_->setText(p.Province.isEmpty() ? p.Town : p.Town + QStringLiteral(", ") + p.Province);
    bool ok = false;
    const int civil = p.CivilStatus.trimmed().toInt(&ok);
    if (ok && p.CivilStatus.trimmed().size() == 1 && civil >= 0 && civil <= 5)
        optCivil_[civil]->setChecked(true);
    optSex_[p.Sex == QLatin1String("M") ? 0 : 1]->setChecked(true);
    RoomClassID = p.RoomClassID;
    txtDoctorID_->setText(p.AttendingDrID);
    txtDoctor_->setText(p.AttendingDr);
}

void frmInPatient::lockPatientFields() {
    for (QLineEdit* f : {txtSname_, txtFname_, txtMname_, txtHospNo_, txtAdmNo_, txtRoomNo_, txtBirthDate_,
                         txtAge_, txtAdmDate_})
        f->setEnabled(false);
}

void frmInPatient::lookUpPatient() {
    if (!txtFname_->text().isEmpty())
        return; // a patient is already on the screen
    RadiologySearch* search = SessionContext::instance().radiologySearch;
    if (!search)
        return;
    try {
        bool picked = false;
        try {
            picked = search->PatientListing(txtSname_->text(), RadiologySearch::InPatients, true);
        } catch (const DbError& e) {
            if (e.number() != DbError::NoCurrentRow)
                throw;
        }
        if (!picked)
            return;
        const PatientRecord patient = search->Inpatient;
        fillPatient(patient);

        if (!patient.BillingDate.trimmed().isEmpty() &&
            ValueText::usDate(ValueText::dateTime(patient.BillingDate)) == StoredProcs::GetServerDateText()) {
            refuse(kClosedBill);
            return;
        }
        const ResultSet flags = SessionContext::instance().connection().execute(
            SqlText::build(u"Select OkeyMRI from Patient_Data..tbPatient2 where Idnum = '{}'",
                           {txtAdmNo_->text().trimmed()}));
        // An admission without billing's flags row is not on cash basis.
        if (!flags.isEmpty() && !flags.first().flag(QStringLiteral("OkeyMRI"))) {
            fraExam_->setEnabled(false);
            refuse(kCashBasis);
            return;
        }
    } catch (const DbError& e) {
        txtFname_->clear(); // Enter in the last name tries again
        Ui::message(QStringLiteral("The patient could not be looked up:\n") + e.message(), Ui::appTitle(),
                    Ui::Icon::Critical);
        return;
    }
    fraExam_->setEnabled(true);
    grid_->setFocus(Qt::OtherFocusReason);
    if (!grid_->editorVisible())
        grid_->enterCell(std::max(grid_->currentDataRow(), 1), std::max(grid_->currentColumn(), 1));
}

void frmInPatient::refuse(const QString& text) {
    Ui::message(text, Ui::appTitle(), Ui::Icon::Warning);
    reject();
}

void frmInPatient::chooseDoctor() {
    try {
        if (!ChargeLookup::pickDoctor(QString()))
            return;
    } catch (const DbError& e) {
        Ui::message(e.message(), Ui::appTitle(), Ui::Icon::Critical);
        return;
    }
    const DoctorRecord& d = SessionContext::instance().codeSearch->doctorRecord;
    txtDoctorID_->setText(d.ResultCode);
    txtDoctor_->setText(d.LastName + QStringLiteral(", ") + d.FirstName + u' ' + d.MiddleName);
    if (fraExam_->isEnabled() && grid_->isEnabled()) {
        grid_->setFocus(Qt::OtherFocusReason);
        if (!grid_->editorVisible())
            grid_->enterCell(std::max(grid_->currentDataRow(), 1), std::max(grid_->currentColumn(), 1));
    }
}

void frmInPatient::checkDoctorId() {
    const QString id = txtDoctorID_->text();
    if (id.trimmed() == QLatin1String("0"))
        return;
    bool picked = false;
    try {
        picked = ChargeLookup::pickDoctor(id);
    } catch (const DbError& e) {
        Ui::message(e.message(), Ui::appTitle(), Ui::Icon::Critical);
        return;
    }
    if (picked) {
        const DoctorRecord& d = SessionContext::instance().codeSearch->doctorRecord;
        txtDoctor_->setText(QStringLiteral("DR. ") + d.LastName + u',' + d.FirstName + u' ' + d.MiddleName);
        txtDoctorID_->setText(d.ResultCode);
        return;
    }
    Ui::message(QStringLiteral("You have inputed invalid doctor code. \nPlease recheck."), Ui::appTitle(),
                Ui::Icon::Information);
    grid_->hideEditor();
    txtDoctorID_->setFocus(Qt::OtherFocusReason);
}

double frmInPatient::examRate(const OtherRevenueRecord& item, const CTExamRecord& ct) const {
    double rate = 0;
    const QString roomClass = RoomClassID.trimmed().toUpper();
    if (roomClass.size() == 1) {
        const double rates[] = {item.RateA, item.RateB, item.RateC, item.RateD,
                                item.RateE, item.RateF, item.RateG, item.RateH};
        const int index = roomClass.at(0).unicode() - u'A';
        if (index >= 0 && index < 8)
            rate = rates[index];
    }
    if (isPellicoPatient(txtAdmNo_->text()))
        rate = ct.RateF;
    return rate;
}

bool frmInPatient::isPellicoPatient(const QString& idNum) const {
    const ResultSet rs = SessionContext::instance().connection().execute(SqlText::build(
        u"Select isnull(AdmissionTypeID,'') as Pellico  From Patient_Data..tbPatient2  Where Idnum = '{}'",
        {idNum}));
    return !rs.isEmpty() && rs.first().text(QStringLiteral("Pellico")) == QLatin1String("KV");
}

QList<InChargePosting::Line> frmInPatient::chargeLines() const {
    QList<InChargePosting::Line> lines;
    for (int r = 1; r <= grid_->rowCount(); ++r) {
        InChargePosting::Line l;
        l.row = r;
        l.department = grid_->text(r, 1);
        l.code = grid_->text(r, 2);
        l.name = grid_->text(r, 3);
        l.quantity = grid_->text(r, 5);
        if (NursingRequest) {
            // The ward's row: its amount in column 4, its reference in column 6; no stock.
            l.amount = ValueText::amount(ValueText::leadingNumber(grid_->text(r, 4)));
            l.requestRef = grid_->text(r, 6);
        } else {
            l.amount = ValueText::amount(ValueText::leadingNumber(grid_->text(r, 6)));
            l.location = grid_->text(r, 19);
            l.inventoryCode = grid_->text(r, 20);
        }
        lines << l;
    }
    return lines;
}

bool frmInPatient::save() {
    const QList<InChargePosting::Line> lines = chargeLines();
    const InChargePosting::Patient patient{txtHospNo_->text(), txtAdmNo_->text(), txtDoctorID_->text(),
                                           txtRoomNo_->text()};
    QString slip;
    std::optional<QString> failure;
    {
        Ui::BusyCursor busy;
        try {
            slip = StoredProcs::NextChargeSlipNumber();
            InChargePosting::post(slip, patient, lines);
        } catch (const InChargePosting::Failure& f) {
            failure =
                QStringLiteral(
                    "Charge slip %1 was not saved.\nLine %2 (%3 %4 %5) could not be posted:\n%6\n\n"
                    "Nothing of this slip was posted; the entries are still on the screen.")
                    .arg(slip)
                    .arg(f.line.row)
                    .arg(f.line.department.trimmed(), f.line.code.trimmed(), f.line.name.trimmed(), f.reason);
        } catch (const DbError& e) {
            failure =
                QStringLiteral("No charge slip number could be taken; nothing was saved.\n") + e.message();
        }
    }
    if (failure) {
        Ui::message(*failure, Ui::appTitle(), Ui::Icon::Critical);
        return false;
    }
    SlipNumber = slip;
    Ui::message(QStringLiteral("Saving completed..."), Ui::appTitle(), Ui::Icon::Information);
    return true;
}

void frmInPatient::saveOnly() {
    if (save())
        accept();
}

void frmInPatient::saveAndPrint() {
    if (!save())
        return;
    ChargeSlip::print(SlipNumber, txtAdmNo_->text());
    accept();
}

} // namespace tavrix
