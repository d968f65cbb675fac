-- The hospital's six databases in one file. Names are written DATABASE..table
-- and stored as DATABASE__table. Text keys compare without regard to letter
-- case, as on the hospital's server. Dates are ISO text "yyyy-mm-dd hh:mm:ss".

-------------------------------------------------------------------------------
-- PATIENT_DATA: patients, admissions, out-patient registrations
-------------------------------------------------------------------------------
CREATE TABLE PATIENT_DATA..tbHospitalInfo (
    Company   TEXT NOT NULL,
    Address1  TEXT,
    Address2  TEXT,
    Title     TEXT,
    TIN       TEXT
);

-- Every patient of the hospital; walk-ins have hospital numbers beginning with T.
CREATE TABLE PATIENT_DATA..tbMaster (
    HospNum      TEXT PRIMARY KEY COLLATE NOCASE,
    LastName     TEXT NOT NULL COLLATE NOCASE,
    FirstName    TEXT COLLATE NOCASE,
    MiddleName   TEXT COLLATE NOCASE,
    Sex          TEXT,              -- M or F
    BirthDate    DATETIME,
    Age          TEXT,              -- kept for walk-ins whose birth date is unknown
    CivilStatus  TEXT,              -- 0 child, 1 single, 2 married, 3 widow/er, 4 separated, 5 divorced
    HouseStreet  TEXT,
    Barangay     TEXT,
    ZipCode      TEXT,
    TelNum       TEXT,
    XRayNum      TEXT,
    UltraNum     TEXT,
    CTNum        TEXT,
    AccountNum   TEXT COLLATE NOCASE -- personal account: the hospital number itself
);
CREATE INDEX PATIENT_DATA..ixMasterName ON PATIENT_DATA..tbMaster(LastName, FirstName);

-- Admissions of in-patients; the admission number is numeric text.
CREATE TABLE PATIENT_DATA..tbPatient (
    IDNum          TEXT PRIMARY KEY COLLATE NOCASE,
    HospNum        TEXT NOT NULL COLLATE NOCASE,
    AdmDate        DATETIME NOT NULL,
    DcrDate        DATETIME,         -- discharge
    BillingDate    DATETIME,         -- the day the bill was closed
    RoomID         TEXT COLLATE NOCASE,
    AttendingDrID  TEXT COLLATE NOCASE,
    AccountNum     TEXT COLLATE NOCASE
);
CREATE INDEX PATIENT_DATA..ixPatientHospNum ON PATIENT_DATA..tbPatient(HospNum);

-- Admission flags that billing and admitting keep.
CREATE TABLE PATIENT_DATA..tbPatient2 (
    IDNum            TEXT PRIMARY KEY COLLATE NOCASE,
    OkeyMRI          INTEGER NOT NULL DEFAULT 1, -- 0: cash basis only
    AdmissionTypeID  TEXT                        -- KV: priced at the special rate
);

-- Out-patient registrations; the OPD number is not numeric.
CREATE TABLE PATIENT_DATA..tbOutPatient (
    IdNum        TEXT PRIMARY KEY COLLATE NOCASE,
    HospNum      TEXT NOT NULL COLLATE NOCASE,
    AdmDate      DATETIME NOT NULL,
    DcrDate      DATETIME,
    BillingDate  DATETIME,
    OPDStatus    TEXT,               -- R: registration revoked
    AccountNum   TEXT COLLATE NOCASE,
    DoctorID     TEXT COLLATE NOCASE
);
CREATE INDEX PATIENT_DATA..ixOutPatientHospNum ON PATIENT_DATA..tbOutPatient(HospNum);

CREATE TABLE PATIENT_DATA..tbPatientHistory (
    IDNum           TEXT PRIMARY KEY COLLATE NOCASE,
    AdmDiagnosis    TEXT,
    ChiefComplaint  TEXT
);

-- Discharge notices that the wards send to every department that charged the patient.
CREATE TABLE PATIENT_DATA..tbDischargeNotice (
    IDNum           TEXT PRIMARY KEY COLLATE NOCASE,
    NoticeDate      DATETIME NOT NULL,
    OrderedDate     DATETIME,
    DischargeNurse  TEXT,
    Remarks         TEXT
);

-------------------------------------------------------------------------------
-- BUILD_FILE: catalogues
-------------------------------------------------------------------------------
CREATE TABLE BUILD_FILE..tbCoDoctor (
    DoctorID       TEXT PRIMARY KEY COLLATE NOCASE,
    LastName       TEXT NOT NULL COLLATE NOCASE,
    FirstName      TEXT COLLATE NOCASE,
    MiddleName     TEXT COLLATE NOCASE,
    Title          TEXT,
    Specialty      TEXT,
    IsRadiologist  INTEGER NOT NULL DEFAULT 0,
    Status         TEXT NOT NULL DEFAULT 'A'
);
CREATE INDEX BUILD_FILE..ixDoctorName ON BUILD_FILE..tbCoDoctor(LastName, FirstName);

-- Charging departments (revenue codes) with their stock location.
CREATE TABLE BUILD_FILE..tbCoRevenueCode (
    RevenueID          TEXT PRIMARY KEY COLLATE NOCASE,
    ItemName           TEXT NOT NULL,
    MRIActive          TEXT NOT NULL DEFAULT 'N',
    WithItems          TEXT,
    AccountCode        TEXT,
    GroupCode          TEXT,
    SearchInventory    INTEGER NOT NULL DEFAULT 0,
    LocationID         TEXT,
    CashCommunication  INTEGER NOT NULL DEFAULT 0,
    InvCode            TEXT
);

-- Revenue items: the exam catalogue with one rate per room class.
CREATE TABLE BUILD_FILE..tbCoOtherRevenue (
    OtherRevenueID  TEXT PRIMARY KEY COLLATE NOCASE,
    RevenueID       TEXT NOT NULL COLLATE NOCASE,
    OtherRevenue    TEXT NOT NULL COLLATE NOCASE,
    RateA REAL NOT NULL DEFAULT 0, RateB REAL NOT NULL DEFAULT 0, RateC REAL NOT NULL DEFAULT 0,
    RateD REAL NOT NULL DEFAULT 0, RateE REAL NOT NULL DEFAULT 0, RateF REAL NOT NULL DEFAULT 0,
    RateG REAL NOT NULL DEFAULT 0, RateH REAL NOT NULL DEFAULT 0,
    Fixrate         TEXT NOT NULL DEFAULT 'Y',   -- N: the clerk may type the price
    Status          TEXT NOT NULL DEFAULT 'A',
    SectionID       TEXT COLLATE NOCASE
);
CREATE INDEX BUILD_FILE..ixOtherRevenueName ON BUILD_FILE..tbCoOtherRevenue(RevenueID, OtherRevenue);

CREATE TABLE BUILD_FILE..tbCoSection (
    SectionID    TEXT PRIMARY KEY COLLATE NOCASE,
    SectionName  TEXT NOT NULL,
    RevenueID    TEXT COLLATE NOCASE
);

CREATE TABLE BUILD_FILE..tbCoStation (
    StationID  TEXT PRIMARY KEY COLLATE NOCASE,
    Station    TEXT NOT NULL
);

CREATE TABLE BUILD_FILE..tbCoRoom (
    RoomID       TEXT PRIMARY KEY COLLATE NOCASE,
    RoomClassID  TEXT,                -- A to H: selects the exam rate
    StationID    TEXT COLLATE NOCASE
);

-- Accounts: companies, HMOs, and personal accounts (numbered as the patient).
CREATE TABLE BUILD_FILE..tbCoCompany (
    AccountNum  TEXT PRIMARY KEY COLLATE NOCASE,
    Company     TEXT NOT NULL,
    IsHMO       INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE BUILD_FILE..tbCoAddress (
    ZipCode   TEXT PRIMARY KEY COLLATE NOCASE,
    Town      TEXT NOT NULL COLLATE NOCASE,
    Province  TEXT COLLATE NOCASE
);
CREATE INDEX BUILD_FILE..ixAddressTown ON BUILD_FILE..tbCoAddress(Town);

CREATE TABLE BUILD_FILE..tbICDDiagMain (
    Code         TEXT PRIMARY KEY COLLATE NOCASE,
    Description  TEXT NOT NULL,
    Sex          TEXT NOT NULL DEFAULT ''  -- M or F when the code applies to one sex only
);

-- Stock locations, items on hand per location, and the stock card of movements.
CREATE TABLE BUILD_FILE..tbInvLocation (
    LocationID  TEXT PRIMARY KEY COLLATE NOCASE,
    Location    TEXT NOT NULL
);

CREATE TABLE BUILD_FILE..tbInvMaster (
    ItemID           TEXT NOT NULL COLLATE NOCASE,
    LocationID       TEXT NOT NULL COLLATE NOCASE,
    DrugName         TEXT NOT NULL COLLATE NOCASE,
    Unit             TEXT,
    IsDrug           INTEGER NOT NULL DEFAULT 0,
    SellingPriceIn   REAL NOT NULL DEFAULT 0,  -- in-patient price
    SellingPriceOut  REAL NOT NULL DEFAULT 0,  -- out-patient and cash price
    OnHand           REAL NOT NULL DEFAULT 0,
    PRIMARY KEY (ItemID, LocationID)
);
CREATE INDEX BUILD_FILE..ixInvMasterName ON BUILD_FILE..tbInvMaster(LocationID, DrugName);

CREATE TABLE BUILD_FILE..tbInvStockCard (
    CardID         INTEGER PRIMARY KEY AUTOINCREMENT,
    HospNum        TEXT COLLATE NOCASE,
    IDNum          TEXT COLLATE NOCASE,
    ItemID         TEXT COLLATE NOCASE,
    TransDate      DATETIME,
    RefNum         TEXT COLLATE NOCASE,
    Quantity       REAL,
    UnitCost       REAL,
    Amount         REAL,
    UserID         TEXT,
    TransType      TEXT,
    Reference      TEXT,
    LocationID     TEXT COLLATE NOCASE,
    Remarks        TEXT,
    RoomID         TEXT,
    Discount       REAL,
    InventoryCode  TEXT,
    ChargeInvCode  TEXT,
    RequestRef     TEXT,
    BatchNo        TEXT,
    ExpiryDate     TEXT,
    ORNumber       TEXT,
    Direction      TEXT,              -- O: out of stock to a patient
    PostedDate     DATETIME NOT NULL
);
CREATE INDEX BUILD_FILE..ixStockCardRef ON BUILD_FILE..tbInvStockCard(RefNum);
CREATE INDEX BUILD_FILE..ixStockCardItem ON BUILD_FILE..tbInvStockCard(LocationID, ItemID);

-------------------------------------------------------------------------------
-- RADIOLOGY: requests, results, counters and the department's own tables
-------------------------------------------------------------------------------
CREATE TABLE RADIOLOGY..tbRadioOptions (
    RevenueID         TEXT PRIMARY KEY COLLATE NOCASE,
    IncludeDoctorFee  INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE RADIOLOGY..tbMRIDefaultRadiologist (
    Code        TEXT,
    LastName    TEXT,
    FirstName   TEXT,
    MiddleName  TEXT
);

-- The charge slip counter: one row.
CREATE TABLE RADIOLOGY..tbMRIRequestNum (
    CSlip  INTEGER NOT NULL
);

-- Other counters the procedures draw from (request numbers and the like).
CREATE TABLE RADIOLOGY..tbRadioCounter (
    Name   TEXT PRIMARY KEY COLLATE NOCASE,
    Value  INTEGER NOT NULL
);

-- One line of a charge slip: an exam waiting for its result, a reader's fee,
-- a supply or a medicine. Status: W waiting for the result, X result saved,
-- Y result verified, R cancelled (other departments' lines are X when posted).
CREATE TABLE RADIOLOGY..tbMRIRequest (
    RequestNum      TEXT PRIMARY KEY COLLATE NOCASE,
    RefNum          TEXT NOT NULL COLLATE NOCASE,  -- charge slip, or OR number for cash requests
    RevenueID       TEXT NOT NULL COLLATE NOCASE,  -- MI, MD, MS, MZ
    PatientType     TEXT NOT NULL,                 -- I in-patient, O out-patient, C cash
    HospNum         TEXT NOT NULL COLLATE NOCASE,
    IDNum           TEXT NOT NULL COLLATE NOCASE,
    ItemID          TEXT NOT NULL COLLATE NOCASE,
    Description     TEXT,
    Quantity        REAL NOT NULL DEFAULT 1,
    Amount          REAL NOT NULL DEFAULT 0,
    DoctorID        TEXT COLLATE NOCASE,
    RoomID          TEXT,
    UserID          TEXT,
    TransDate       DATETIME NOT NULL,
    Status          TEXT NOT NULL DEFAULT 'W',
    LocationID      TEXT,
    InvCode         TEXT,
    RequestRef      TEXT,
    NurseRequestID  INTEGER,
    Film1 TEXT, Film2 TEXT, Film3 TEXT, Film4 TEXT, Film5 TEXT, Film6 TEXT, Film7 TEXT,
    CancelledBy     TEXT,
    CancelDate      DATETIME
);
CREATE INDEX RADIOLOGY..ixRequestRefNum ON RADIOLOGY..tbMRIRequest(RefNum);
CREATE INDEX RADIOLOGY..ixRequestIDNum ON RADIOLOGY..tbMRIRequest(IDNum);
CREATE INDEX RADIOLOGY..ixRequestHospNum ON RADIOLOGY..tbMRIRequest(HospNum);
CREATE INDEX RADIOLOGY..ixRequestTransDate ON RADIOLOGY..tbMRIRequest(TransDate);
CREATE INDEX RADIOLOGY..ixRequestWaiting ON RADIOLOGY..tbMRIRequest(HospNum) WHERE Status = 'W';

-- The stored result of one request.
CREATE TABLE RADIOLOGY..tbMRIResult (
    RequestNum       TEXT PRIMARY KEY COLLATE NOCASE,
    HospNum          TEXT COLLATE NOCASE,
    IDNum            TEXT COLLATE NOCASE,
    ExamID           TEXT COLLATE NOCASE,
    TransDate        DATETIME,
    ResultDate       DATETIME,
    DoctorID         TEXT COLLATE NOCASE,  -- referring physician
    RadCode          TEXT COLLATE NOCASE,  -- radiologist
    CoRadiologistID  TEXT COLLATE NOCASE,
    Interpretation   TEXT,
    Remarks          TEXT,
    RoomID           TEXT,
    TranscribedByID  TEXT,
    TranscribeDate   DATETIME,
    FileNum          TEXT COLLATE NOCASE,
    ControlNum       TEXT,
    TestTaken        TEXT,
    VerifyByID       TEXT,
    VerifyDate       DATETIME
);
CREATE INDEX RADIOLOGY..ixResultHospNum ON RADIOLOGY..tbMRIResult(HospNum);

-- ICD-10 diagnoses, per admission and department.
CREATE TABLE RADIOLOGY..tbXRICD10 (
    IDNum        TEXT NOT NULL COLLATE NOCASE,
    Dept         TEXT NOT NULL COLLATE NOCASE,
    Seq          INTEGER NOT NULL,
    DiagnosisID  TEXT NOT NULL COLLATE NOCASE,
    PRIMARY KEY (IDNum, Dept, Seq)
);

-- Readings recorded for the readers' commission.
CREATE TABLE RADIOLOGY..tbRadioReading (
    ReadingID   INTEGER PRIMARY KEY AUTOINCREMENT,
    RequestNum  TEXT NOT NULL COLLATE NOCASE,
    IDNum       TEXT COLLATE NOCASE,
    HospNum     TEXT COLLATE NOCASE,
    RoomID      TEXT,
    ExamID      TEXT,
    RevenueID   TEXT,
    UserID      TEXT,
    AutoPrint   TEXT,
    ReadDate    DATETIME NOT NULL
);
CREATE INDEX RADIOLOGY..ixReadingRequest ON RADIOLOGY..tbRadioReading(RequestNum);

-- Coded interpretation templates.
CREATE TABLE RADIOLOGY..tbMRIInterpretation (
    Code            TEXT PRIMARY KEY COLLATE NOCASE,
    RevenueID       TEXT COLLATE NOCASE,
    Description     TEXT NOT NULL,
    SectionID       TEXT COLLATE NOCASE,
    Interpretation  TEXT
);

-- Film file numbers: a patient's folder of films in a department.
CREATE TABLE RADIOLOGY..tbRadioFileNum (
    RevenueID   TEXT NOT NULL COLLATE NOCASE,
    FileNum     TEXT NOT NULL COLLATE NOCASE,
    HospNum     TEXT NOT NULL COLLATE NOCASE,
    ControlNum  TEXT,                  -- last control number used in the folder
    CreatedDate DATETIME,
    PRIMARY KEY (RevenueID, FileNum)
);
CREATE INDEX RADIOLOGY..ixFileNumHospNum ON RADIOLOGY..tbRadioFileNum(HospNum);

-- Requests that wards and clinics send. Status: P pending, S served, R revoked.
CREATE TABLE RADIOLOGY..tbNurseRequest (
    RequestID        INTEGER PRIMARY KEY AUTOINCREMENT,
    RevenueID        TEXT NOT NULL COLLATE NOCASE,
    PatientType      TEXT NOT NULL,       -- I in-patient, O out-patient
    HospNum          TEXT NOT NULL COLLATE NOCASE,
    IDNum            TEXT NOT NULL COLLATE NOCASE,
    ItemID           TEXT NOT NULL COLLATE NOCASE,
    Quantity         REAL NOT NULL DEFAULT 1,
    Amount           REAL NOT NULL DEFAULT 0,
    DoctorID         TEXT COLLATE NOCASE,
    RequestingNurse  TEXT,
    Remarks          TEXT,
    RequestRef       TEXT,
    RequestDate      DATETIME NOT NULL,
    Status           TEXT NOT NULL DEFAULT 'P',
    ServedBy         TEXT,
    ServedDate       DATETIME,
    RevokedBy        TEXT,
    RevokedDate      DATETIME
);
CREATE INDEX RADIOLOGY..ixNurseRequestPending ON RADIOLOGY..tbNurseRequest(RevenueID) WHERE Status = 'P';
CREATE INDEX RADIOLOGY..ixNurseRequestIDNum ON RADIOLOGY..tbNurseRequest(IDNum);

-- A department's clearance of a patient for discharge.
CREATE TABLE RADIOLOGY..tbDischargeClearance (
    IDNum         TEXT NOT NULL COLLATE NOCASE,
    RevenueID     TEXT NOT NULL COLLATE NOCASE,
    UserID        TEXT,
    ClearDate     DATETIME NOT NULL,
    ClearRemarks  TEXT,
    PRIMARY KEY (IDNum, RevenueID)
);

-- The appointment book.
CREATE TABLE RADIOLOGY..tbMRISchedule (
    SeqNum        INTEGER PRIMARY KEY AUTOINCREMENT,
    RevenueID     TEXT NOT NULL COLLATE NOCASE,
    ScheduleDate  DATETIME NOT NULL,
    ScheduleTime  TEXT,
    HospNum       TEXT COLLATE NOCASE,
    IDNum         TEXT COLLATE NOCASE,
    RefNum        TEXT,
    ExamID        TEXT COLLATE NOCASE,
    UserID        TEXT,
    CreatedDate   DATETIME NOT NULL
);
CREATE INDEX RADIOLOGY..ixScheduleDate ON RADIOLOGY..tbMRISchedule(RevenueID, ScheduleDate);

-- Results kept from the hospital's former system, by film file number.
CREATE TABLE RADIOLOGY..tbDOSInterpretation (
    FileNum         TEXT NOT NULL COLLATE NOCASE,
    ExamDate        DATETIME,
    Exam            TEXT,
    Interpretation  TEXT
);
CREATE INDEX RADIOLOGY..ixDOSFileNum ON RADIOLOGY..tbDOSInterpretation(FileNum);

-------------------------------------------------------------------------------
-- BILLING: charges to patients' accounts, assessments and cash receipts
-------------------------------------------------------------------------------
-- Every charge and reversal posted to a patient's bill.
CREATE TABLE BILLING..tbPatientCharges (
    ChargeID     INTEGER PRIMARY KEY AUTOINCREMENT,
    PatientType  TEXT NOT NULL,              -- I or O
    IDNum        TEXT NOT NULL COLLATE NOCASE,
    HospNum      TEXT COLLATE NOCASE,
    RevenueID    TEXT NOT NULL COLLATE NOCASE,
    ItemID       TEXT NOT NULL COLLATE NOCASE,
    Description  TEXT,
    Quantity     REAL NOT NULL DEFAULT 0,
    Amount       REAL NOT NULL DEFAULT 0,   -- negative for a reversal
    DoctorID     TEXT COLLATE NOCASE,        -- the reader, for readers' fees
    RefNum       TEXT COLLATE NOCASE,
    RequestNum   TEXT COLLATE NOCASE,
    TransDate    DATETIME NOT NULL,
    UserID       TEXT
);
CREATE INDEX BILLING..ixChargesIDNum ON BILLING..tbPatientCharges(IDNum, RevenueID, ItemID);
CREATE INDEX BILLING..ixChargesRefNum ON BILLING..tbPatientCharges(RefNum);

-- The assessment counter: one row.
CREATE TABLE BILLING..tbAssessmentNum (
    AssessmentNum  INTEGER NOT NULL
);

CREATE TABLE BILLING..tbCashAssessment (
    TransNum       INTEGER PRIMARY KEY AUTOINCREMENT,
    RefNum         TEXT NOT NULL COLLATE NOCASE,  -- assessment number
    PatientName    TEXT,
    AssessDate     DATETIME,
    RevenueID      TEXT COLLATE NOCASE,           -- department of the line
    ItemID         TEXT COLLATE NOCASE,
    Quantity       REAL,
    Amount         REAL,
    UserID         TEXT,
    IDNum          TEXT COLLATE NOCASE,
    HospNum        TEXT COLLATE NOCASE,
    DoctorID       TEXT,
    DoctorName     TEXT,
    DeptRevenueID  TEXT COLLATE NOCASE,           -- the assessing department
    ORNumber       TEXT,                          -- written by the cashier when paid
    Status         TEXT NOT NULL DEFAULT 'A',     -- A active, R revoked
    RevokedBy      TEXT,
    RevokedDate    DATETIME
);
CREATE INDEX BILLING..ixAssessmentRefNum ON BILLING..tbCashAssessment(RefNum);

-- Official receipts of the cashier and their lines.
CREATE TABLE BILLING..tbCashReceipt (
    ORNumber       TEXT PRIMARY KEY COLLATE NOCASE,
    HospNum        TEXT NOT NULL COLLATE NOCASE,
    IDNum          TEXT COLLATE NOCASE,
    RoomID         TEXT,
    PaidDate       DATETIME NOT NULL,
    AssessmentNum  TEXT COLLATE NOCASE,
    RequestDocID   TEXT,
    DoctorName     TEXT,
    Cashier        TEXT
);
CREATE INDEX BILLING..ixReceiptHospNum ON BILLING..tbCashReceipt(HospNum);

CREATE TABLE BILLING..tbCashReceiptDetail (
    ORNumber     TEXT NOT NULL COLLATE NOCASE,
    LineNo       INTEGER NOT NULL,
    RevenueID    TEXT NOT NULL COLLATE NOCASE,
    ItemID       TEXT NOT NULL COLLATE NOCASE,
    Description  TEXT,
    Price        REAL,
    Quantity     REAL,
    Amount       REAL,
    Served       INTEGER NOT NULL DEFAULT 0,   -- taken up by the department
    ServedDate   DATETIME,
    PRIMARY KEY (ORNumber, LineNo)
);

-------------------------------------------------------------------------------
-- PASSWORD: employees and their log-ins
-------------------------------------------------------------------------------
-- Passwords are kept only as a salted, stretched hash of the scrambled text
-- that the workstation sends; neither the password nor its scrambled form is stored.
CREATE TABLE PASSWORD..tbPasswordMain (
    EmployeeID       TEXT PRIMARY KEY COLLATE NOCASE,
    UserID           TEXT NOT NULL UNIQUE COLLATE NOCASE,
    LastName         TEXT NOT NULL,
    FirstName        TEXT,
    MiddleName       TEXT,
    Initial          TEXT,
    Position         TEXT,
    DeptCode         TEXT,
    Station          TEXT,
    PasswordSalt     TEXT NOT NULL,
    PasswordHash     TEXT NOT NULL,
    CanVerify        INTEGER NOT NULL DEFAULT 0,  -- may edit verified results
    Active           INTEGER NOT NULL DEFAULT 1
);

-------------------------------------------------------------------------------
-- REPORTS: per-user rows that report templates read
-------------------------------------------------------------------------------
CREATE TABLE REPORTS..tbChargeSlip (
    LineID       INTEGER PRIMARY KEY AUTOINCREMENT,
    UserID       TEXT NOT NULL COLLATE NOCASE,
    ItemID       TEXT,
    Description  TEXT,
    Quantity     TEXT,
    UnitPrice    TEXT,
    Amount       TEXT,
    Remarks      TEXT,
    RefNum       TEXT,
    RevenueID    TEXT,
    TransDate    DATETIME
);
CREATE INDEX REPORTS..ixChargeSlipUser ON REPORTS..tbChargeSlip(UserID);
