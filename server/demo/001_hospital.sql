-- The demo hospital: fictional people and a small MRI department with work
-- in every state, so that every screen has something real to show.
-- Dates are relative to the day the database is created.

INSERT INTO PATIENT_DATA..tbHospitalInfo (Company, Address1, Address2, Title, TIN) VALUES
 ('ST. ANSELM MEDICAL CENTER', '1200 Mabini Street, Jaro, Iloilo City', 'Tel. (033) 320-4455', 'DEPARTMENT OF RADIOLOGY', '004-512-339-000');

INSERT INTO RADIOLOGY..tbRadioOptions (RevenueID, IncludeDoctorFee) VALUES ('MI', 1), ('XR', 0), ('CT', 0);
INSERT INTO RADIOLOGY..tbMRIDefaultRadiologist (Code, LastName, FirstName, MiddleName) VALUES ('2001', 'REYES', 'MARIA LOURDES', 'SANTOS');
INSERT INTO RADIOLOGY..tbMRIRequestNum (CSlip) VALUES (1001);
INSERT INTO RADIOLOGY..tbRadioCounter (Name, Value) VALUES ('MRIRequest', 26000101), ('NurseRequest', 1);
INSERT INTO BILLING..tbAssessmentNum (AssessmentNum) VALUES (501);

-- Charging departments; the four MRI departments are active in the legend.
INSERT INTO BUILD_FILE..tbCoRevenueCode (RevenueID, ItemName, MRIActive, WithItems, AccountCode, GroupCode, SearchInventory, LocationID, CashCommunication, InvCode) VALUES
 ('MI', 'MRI Procedures', 'Y', 'Y', '4105', 'RAD', 0, NULL, 1, NULL),
 ('MD', 'Readers Fee', 'Y', 'N', '2210', 'PF', 0, NULL, 0, NULL),
 ('MS', 'MRI Supply', 'Y', 'Y', '4106', 'SUP', 1, 'MRISUP', 1, 'CSR'),
 ('MZ', 'MRI Medicine', 'Y', 'Y', '4107', 'MED', 1, 'MRIPHA', 1, 'PHA'),
 ('XR', 'X-Ray Procedures', 'N', 'Y', '4101', 'RAD', 0, NULL, 1, NULL),
 ('CT', 'CT-Scan Procedures', 'N', 'Y', '4102', 'RAD', 0, NULL, 1, NULL),
 ('US', 'Ultrasound Procedures', 'N', 'Y', '4103', 'RAD', 0, NULL, 1, NULL),
 ('LB', 'Laboratory', 'N', 'Y', '4201', 'LAB', 0, NULL, 1, NULL);

INSERT INTO BUILD_FILE..tbCoSection (SectionID, SectionName, RevenueID) VALUES
 ('MI', 'MAGNETIC RESONANCE IMAGING', 'MI'),
 ('NR', 'NEURO MRI', 'MI'),
 ('MS', 'MUSCULOSKELETAL MRI', 'MI'),
 ('BD', 'BODY MRI', 'MI'),
 ('XR', 'GENERAL RADIOGRAPHY', 'XR'),
 ('CT', 'COMPUTED TOMOGRAPHY', 'CT'),
 ('US', 'ULTRASONOGRAPHY', 'US');

-- The MRI catalogue. Rates per room class: A wards, B and C semi-private,
-- D and E private, F the special (KV) rate, G cash, H suites.
WITH t(code, name, base, fix, section) AS (VALUES
 ('MRI001', 'MRI BRAIN PLAIN', 8500, 'Y', 'NR'),
 ('MRI002', 'MRI BRAIN WITH CONTRAST', 12500, 'Y', 'NR'),
 ('MRI003', 'MRI CERVICAL SPINE PLAIN', 9000, 'Y', 'NR'),
 ('MRI004', 'MRI THORACIC SPINE PLAIN', 9000, 'Y', 'NR'),
 ('MRI005', 'MRI LUMBOSACRAL SPINE PLAIN', 9000, 'Y', 'NR'),
 ('MRI006', 'MRI WHOLE SPINE SCREENING', 15000, 'Y', 'NR'),
 ('MRI007', 'MRI KNEE (RIGHT)', 8000, 'Y', 'MS'),
 ('MRI008', 'MRI KNEE (LEFT)', 8000, 'Y', 'MS'),
 ('MRI009', 'MRI SHOULDER', 8500, 'Y', 'MS'),
 ('MRI010', 'MRI ABDOMEN WITH CONTRAST', 14000, 'Y', 'BD'),
 ('MRI011', 'MRI PELVIS WITH CONTRAST', 14000, 'Y', 'BD'),
 ('MRI012', 'MR ANGIOGRAPHY (BRAIN)', 13000, 'Y', 'NR'),
 ('MRI013', 'MR CHOLANGIOPANCREATOGRAPHY (MRCP)', 12000, 'Y', 'BD'),
 ('MRI014', 'MRI BREAST BILATERAL', 15500, 'Y', 'BD'),
 ('MRI015', 'MRI ORBITS', 9500, 'Y', 'NR'),
 ('MRI016', 'MRI PITUITARY (SELLA) WITH CONTRAST', 12500, 'Y', 'NR'),
 ('MRI017', 'MRI ANKLE', 8000, 'Y', 'MS'),
 ('MRI018', 'MRI WRIST', 8000, 'Y', 'MS'),
 ('MRI019', 'MRI HIP', 8500, 'Y', 'MS'),
 ('MRI020', 'MRI PROSTATE (MULTIPARAMETRIC)', 16000, 'Y', 'BD'),
 ('MRI021', 'MRI CARDIAC', 18000, 'N', 'BD'),
 ('MRI022', 'MRI SPECIAL PROCEDURE', 10000, 'N', 'MI'),
 ('MRI023', 'MRI SEDATION SERVICE', 2500, 'N', 'MI'),
 ('MRI024', 'MR SPECTROSCOPY', 6000, 'Y', 'NR'),
 ('MRI025', 'MRI FOLLOW-UP STUDY', 5000, 'N', 'MI'))
INSERT INTO BUILD_FILE..tbCoOtherRevenue (OtherRevenueID, RevenueID, OtherRevenue, RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH, Fixrate, SectionID)
SELECT code, 'MI', name, base,
       round(base * 1.05 / 50) * 50, round(base * 1.10 / 50) * 50, round(base * 1.15 / 50) * 50,
       round(base * 1.20 / 50) * 50, round(base * 0.85 / 50) * 50, round(base * 0.95 / 50) * 50,
       round(base * 1.30 / 50) * 50, fix, section
FROM t;

INSERT INTO BUILD_FILE..tbCoOtherRevenue (OtherRevenueID, RevenueID, OtherRevenue, RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH, Fixrate, SectionID) VALUES
 ('XR001', 'XR', 'CHEST PA', 450, 480, 500, 520, 550, 400, 430, 600, 'Y', 'XR'),
 ('CT001', 'CT', 'CT SCAN BRAIN PLAIN', 4500, 4700, 4950, 5200, 5400, 3850, 4300, 5850, 'Y', 'CT'),
 ('US001', 'US', 'WHOLE ABDOMEN ULTRASOUND', 1800, 1900, 2000, 2050, 2150, 1550, 1700, 2350, 'Y', 'US');

INSERT INTO BUILD_FILE..tbCoDoctor (DoctorID, LastName, FirstName, MiddleName, Title, Specialty, IsRadiologist) VALUES
 ('2001', 'REYES', 'MARIA LOURDES', 'SANTOS', 'M.D., FPCR', 'Radiology', 1),
 ('2002', 'DELA CRUZ', 'ANTONIO', 'BAUTISTA', 'M.D., FPCR', 'Radiology', 1),
 ('2003', 'VILLANUEVA', 'CARMEN', 'ROSARIO', 'M.D., DPBR', 'Radiology', 1),
 ('2004', 'TAN', 'BENJAMIN', 'LIM', 'M.D., FPCR', 'Neuroradiology', 1),
 ('1001', 'AQUINO', 'RAMON', 'GARCIA', 'M.D., FPCP', 'Internal Medicine', 0),
 ('1002', 'MENDOZA', 'ELENA', 'TORRES', 'M.D.', 'Neurology', 0),
 ('1003', 'GONZALES', 'FERNANDO', 'CRUZ', 'M.D., FPOA', 'Orthopedics', 0),
 ('1004', 'NAVARRO', 'PATRICIA', 'LIM', 'M.D., FPPS', 'Pediatrics', 0),
 ('1005', 'CASTILLO', 'RICARDO', 'DIAZ', 'M.D., FPCS', 'General Surgery', 0),
 ('1006', 'FLORES', 'TERESA', 'MAGSINO', 'M.D., FPOGS', 'Obstetrics and Gynecology', 0),
 ('1007', 'RAMOS', 'VICENTE', 'OCAMPO', 'M.D.', 'Neurosurgery', 0),
 ('1008', 'BAUTISTA', 'LORNA', 'VELASCO', '', 'Oncology', 0),
 ('1009', 'SALAZAR', 'MIGUEL', 'ANGELES', 'M.D., FPCC', 'Cardiology', 0),
 ('1010', 'OCAMPO', 'DIANA', 'REYES', 'M.D.', 'Otorhinolaryngology', 0),
 ('1011', 'D''ANGELO', 'MARCO', 'PEREZ', 'M.D.', 'Rehabilitation Medicine', 0),
 ('1012', 'PEÑARANDA', 'JOSÉ', 'ESTRELLA', 'M.D.', 'Family Medicine', 0);

INSERT INTO BUILD_FILE..tbCoStation (StationID, Station) VALUES
 ('ST1', 'STATION 1 - MEDICAL WARD'), ('ST2', 'STATION 2 - SURGICAL WARD'), ('ST3', 'STATION 3 - PEDIATRICS'),
 ('ST4', 'STATION 4 - PRIVATE WING'), ('ICU', 'INTENSIVE CARE UNIT'), ('ER', 'EMERGENCY ROOM');

INSERT INTO BUILD_FILE..tbCoRoom (RoomID, RoomClassID, StationID) VALUES
 ('101', 'A', 'ST1'), ('102', 'A', 'ST1'), ('201', 'B', 'ST2'), ('202', 'B', 'ST2'),
 ('301', 'C', 'ST2'), ('302', 'C', 'ST2'), ('PED-1', 'C', 'ST3'), ('401', 'D', 'ST4'),
 ('402', 'D', 'ST4'), ('501', 'E', 'ST4'), ('502', 'E', 'ST4'), ('601', 'F', 'ST1'),
 ('PRV-1', 'G', 'ST4'), ('SUITE-1', 'H', 'ST4'), ('ICU-1', 'H', 'ICU'), ('ER-3', '', 'ER');

INSERT INTO BUILD_FILE..tbCoAddress (ZipCode, Town, Province) VALUES
 ('5000', 'ILOILO CITY', 'ILOILO'), ('5001', 'JARO', 'ILOILO'), ('5004', 'LA PAZ', 'ILOILO'),
 ('5028', 'OTON', 'ILOILO'), ('5031', 'PAVIA', 'ILOILO'), ('5033', 'SANTA BARBARA', 'ILOILO'),
 ('5044', 'POTOTAN', 'ILOILO'), ('5100', 'BACOLOD CITY', 'NEGROS OCCIDENTAL'),
 ('5101', 'TALISAY CITY', 'NEGROS OCCIDENTAL'), ('5600', 'KALIBO', 'AKLAN'),
 ('5700', 'SAN JOSE DE BUENAVISTA', 'ANTIQUE'), ('5800', 'ROXAS CITY', 'CAPIZ'),
 ('5045', 'PASSI CITY', 'ILOILO'), ('5021', 'GUIMBAL', 'ILOILO');

INSERT INTO BUILD_FILE..tbCoCompany (AccountNum, Company, IsHMO) VALUES
 ('C001', 'ILOILO PORT SERVICES CORP.', 0),
 ('C002', 'PANAY ELECTRIC COOPERATIVE', 0),
 ('C003', 'WESTERN VISAYAS TEACHERS ASSOCIATION', 0),
 ('H001', 'MEDIHEALTH HMO, INC.', 1),
 ('H002', 'CAREPLUS HEALTH PLANS', 1);

-- ICD-10: Sex names the sex a code must not be used for (M: female-only code,
-- F: male-only code); empty for codes that apply to both.
INSERT INTO BUILD_FILE..tbICDDiagMain (Code, Description, Sex) VALUES
 ('G43.9', 'MIGRAINE, UNSPECIFIED', ''),
 ('G40.9', 'EPILEPSY, UNSPECIFIED', ''),
 ('G35', 'MULTIPLE SCLEROSIS', ''),
 ('G20', 'PARKINSON''S DISEASE', ''),
 ('I63.9', 'CEREBRAL INFARCTION, UNSPECIFIED', ''),
 ('I67.1', 'CEREBRAL ANEURYSM, NONRUPTURED', ''),
 ('C71.9', 'MALIGNANT NEOPLASM OF BRAIN, UNSPECIFIED', ''),
 ('D32.0', 'BENIGN NEOPLASM OF CEREBRAL MENINGES (MENINGIOMA)', ''),
 ('D35.2', 'BENIGN NEOPLASM OF PITUITARY GLAND', ''),
 ('S06.5', 'TRAUMATIC SUBDURAL HAEMORRHAGE', ''),
 ('R51', 'HEADACHE', ''),
 ('R42', 'DIZZINESS AND GIDDINESS', ''),
 ('H47.0', 'DISORDERS OF OPTIC NERVE, NOT ELSEWHERE CLASSIFIED', ''),
 ('M50.1', 'CERVICAL DISC DISORDER WITH RADICULOPATHY', ''),
 ('M51.1', 'LUMBAR AND OTHER INTERVERTEBRAL DISC DISORDERS WITH RADICULOPATHY', ''),
 ('M48.0', 'SPINAL STENOSIS', ''),
 ('M54.2', 'CERVICALGIA', ''),
 ('M54.5', 'LOW BACK PAIN', ''),
 ('M17.1', 'OTHER PRIMARY GONARTHROSIS', ''),
 ('M23.2', 'DERANGEMENT OF MENISCUS DUE TO OLD TEAR OR INJURY', ''),
 ('S83.2', 'TEAR OF MENISCUS, CURRENT', ''),
 ('S83.5', 'SPRAIN AND STRAIN INVOLVING CRUCIATE LIGAMENT OF KNEE', ''),
 ('M75.1', 'ROTATOR CUFF SYNDROME', ''),
 ('M87.0', 'IDIOPATHIC ASEPTIC NECROSIS OF BONE', ''),
 ('K80.2', 'CALCULUS OF GALLBLADDER WITHOUT CHOLECYSTITIS', ''),
 ('K76.0', 'FATTY (CHANGE OF) LIVER, NOT ELSEWHERE CLASSIFIED', ''),
 ('C22.0', 'LIVER CELL CARCINOMA', ''),
 ('N20.0', 'CALCULUS OF KIDNEY', ''),
 ('I42.0', 'DILATED CARDIOMYOPATHY', ''),
 ('C50.9', 'MALIGNANT NEOPLASM OF BREAST, UNSPECIFIED', ''),
 ('N83.2', 'OTHER AND UNSPECIFIED OVARIAN CYSTS', 'M'),
 ('D25.9', 'LEIOMYOMA OF UTERUS, UNSPECIFIED', 'M'),
 ('C53.9', 'MALIGNANT NEOPLASM OF CERVIX UTERI, UNSPECIFIED', 'M'),
 ('N80.0', 'ENDOMETRIOSIS OF UTERUS', 'M'),
 ('E28.2', 'POLYCYSTIC OVARIAN SYNDROME', 'M'),
 ('N40', 'HYPERPLASIA OF PROSTATE', 'F'),
 ('C61', 'MALIGNANT NEOPLASM OF PROSTATE', 'F'),
 ('N43.3', 'HYDROCELE, UNSPECIFIED', 'F'),
 ('Z01.8', 'OTHER SPECIFIED SPECIAL EXAMINATIONS', '');

INSERT INTO BUILD_FILE..tbInvLocation (LocationID, Location) VALUES
 ('MRISUP', 'MRI SUPPLY ROOM'), ('MRIPHA', 'MRI PHARMACY STOCK'), ('CSR', 'CENTRAL SUPPLY ROOM');

INSERT INTO BUILD_FILE..tbInvMaster (ItemID, LocationID, DrugName, Unit, IsDrug, SellingPriceIn, SellingPriceOut, OnHand) VALUES
 ('10001', 'MRISUP', 'IV CANNULA G22', 'PC', 0, 120, 150, 240),
 ('10002', 'MRISUP', 'SYRINGE 10CC DISPOSABLE', 'PC', 0, 25, 30, 500),
 ('10003', 'MRISUP', 'CONTRAST INJECTOR SYRINGE KIT', 'KIT', 0, 1850, 2100, 36),
 ('10004', 'MRISUP', 'EAR PLUGS (PAIR)', 'PR', 0, 15, 20, 800),
 ('10005', 'MRISUP', 'MRI-SAFE ELECTRODE PADS', 'SET', 0, 250, 300, 60),
 ('10006', 'MRISUP', 'HEADPHONE COVER, DISPOSABLE', 'PC', 0, 35, 45, 300),
 ('10007', 'MRISUP', 'EXTENSION TUBING 150CM', 'PC', 0, 95, 110, 120),
 ('10008', 'MRISUP', 'ALCOHOL SWAB', 'PC', 0, 5, 6, 2000),
 ('20001', 'MRIPHA', 'GADOTERATE MEGLUMINE 0.5MMOL/ML 15ML VIAL', 'VIAL', 1, 4800, 5200, 40),
 ('20002', 'MRIPHA', 'GADOBUTROL 1MMOL/ML 7.5ML VIAL', 'VIAL', 1, 5600, 6100, 25),
 ('20003', 'MRIPHA', 'MIDAZOLAM 5MG/ML 3ML AMPULE', 'AMP', 1, 180, 210, 50),
 ('20004', 'MRIPHA', 'DIPHENHYDRAMINE 50MG/ML AMPULE', 'AMP', 1, 65, 75, 80),
 ('20005', 'MRIPHA', 'SODIUM CHLORIDE 0.9% 100ML', 'BOT', 1, 85, 95, 120),
 ('20006', 'MRIPHA', 'HYOSCINE BUTYLBROMIDE 20MG/ML AMPULE', 'AMP', 1, 120, 140, 60),
 ('20007', 'MRIPHA', 'GLUCAGON 1MG VIAL', 'VIAL', 1, 2900, 3200, 10),
 ('20008', 'MRIPHA', 'HYDROCORTISONE 100MG VIAL', 'VIAL', 1, 210, 240, 40),
 ('20009', 'MRIPHA', 'PROPOFOL 10MG/ML 20ML AMPULE', 'AMP', 1, 650, 720, 30),
 ('20010', 'MRIPHA', 'FUROSEMIDE 10MG/ML 2ML AMPULE', 'AMP', 1, 45, 52, 100);

-- Patients: admitted (000101-000115), out-patients (000121-000127), walk-ins (T...).
INSERT INTO PATIENT_DATA..tbMaster (HospNum, LastName, FirstName, MiddleName, Sex, BirthDate, CivilStatus, HouseStreet, Barangay, ZipCode, TelNum, AccountNum) VALUES
 ('000101', 'DELA PAZ', 'ROBERTO', 'SANTOS', 'M', '1961-04-12 00:00:00', '2', '14 Rizal Street', 'Tabuc Suba', '5001', '0917-555-0101', 'C001'),
 ('000102', 'GARCIA', 'LUZVIMINDA', 'REYES', 'F', '1975-09-30 00:00:00', '2', '27 Luna Street', 'Poblacion', '5000', '0917-555-0102', '000102'),
 ('000103', 'VILLAREAL', 'ANTONIO', 'CRUZ', 'M', '1958-01-05 00:00:00', '3', '3 Burgos Avenue', 'Bolilao', '5000', NULL, '000103'),
 ('000104', 'MAGBANUA', 'CRISTINA', 'LOPEZ', 'F', '1989-11-18 00:00:00', '1', 'Lot 5 Blk 2 Villa Verde', 'Balabago', '5001', '0918-555-0104', 'H001'),
 ('000105', 'PADILLA', 'EDUARDO', 'MARTINEZ', 'M', '1970-06-22 00:00:00', '2', '88 Quezon Street', 'Cubay', '5001', NULL, 'C002'),
 ('000106', 'SORIANO', 'GLORIA', 'FERNANDEZ', 'F', '1952-02-14 00:00:00', '3', '19 Magsaysay Village', 'La Paz', '5004', NULL, '000106'),
 ('000107', 'AGUILAR', 'MANUEL', 'RIVERA', 'M', '1966-08-09 00:00:00', '2', '102 Diversion Road', 'San Rafael', '5000', '0919-555-0107', '000107'),
 ('000108', 'DIZON', 'ISABEL', 'CORTEZ', 'F', '1980-12-01 00:00:00', '5', '7 Smallville Residences', 'Mandurriao', '5000', NULL, 'C003'),
 ('000109', 'ESPINOSA', 'RAFAEL', 'TORRES', 'M', '1945-03-17 00:00:00', '2', '55 Fajardo Street', 'Lapuz', '5000', NULL, '000109'),
 ('000110', 'LACSON', 'MARICEL', 'ABAD', 'F', '1993-07-07 00:00:00', '1', '9 Jalandoni Street', 'Molo', '5000', NULL, '000110'),
 ('000111', 'O''BRIEN', 'PATRICK', 'JAMES', 'M', '1978-10-10 00:00:00', '2', '4 Seaside Drive', 'Calumpang', '5028', '0917-555-0111', '000111'),
 ('000112', 'PEÑAFLOR', 'JOSÉ', 'MIGUEL', 'M', '1984-05-25 00:00:00', '4', '61 Santo Niño Street', 'Ungka', '5031', NULL, 'H002'),
 ('000113', 'BALDONADO', 'ANGELO', 'CRUZ', 'M', date(getdate(), '-8 years', '-3 months'), '0', '21 Mabolo Street', 'Tagbak', '5001', NULL, '000113'),
 ('000114', 'TORRES', 'FELICIDAD', 'GAMBOA', 'F', '1949-09-09 00:00:00', '3', '12 Iznart Street', 'Santa Filomena', '5000', NULL, '000114'),
 ('000115', 'ROBLES', 'DANTE', 'ILAGAN', 'M', '1990-01-29 00:00:00', '1', 'Purok 3', 'Buhang', '5033', NULL, '000115'),
 ('000121', 'MORALES', 'BEATRIZ', 'SY', 'F', '1972-04-03 00:00:00', '2', '30 General Luna Street', 'Santo Rosario', '5000', '0917-555-0121', 'C001'),
 ('000122', 'HERNANDEZ', 'CARLOS', 'UY', 'M', '1983-08-15 00:00:00', '2', '16 Pison Avenue', 'San Rafael', '5000', '0917-555-0122', 'H001'),
 ('000123', 'JIMENEZ', 'ROSALINDA', 'PATRIMONIO', 'F', '1967-12-24 00:00:00', '2', '8 Timawa Street', 'Molo', '5000', NULL, '000123'),
 ('000124', 'QUIMPO', 'DANILO', 'ARCENAL', 'M', '1959-06-11 00:00:00', '2', '40 Ledesma Street', 'Kahirupan', '5000', NULL, 'C002'),
 ('000125', 'SALVADOR', 'NORMA', 'BELARMINO', 'F', '1961-02-02 00:00:00', '3', '1 Tanza Esperanza', 'Tanza', '5000', NULL, 'C003'),
 ('000126', 'UY', 'KENNETH', 'LIM', 'M', '1995-03-21 00:00:00', '1', '77 Iznart Street', 'Rizal Pala-pala', '5000', '0917-555-0126', 'H002'),
 ('000127', 'ZAMORA', 'EVANGELINE', 'PASCUAL', 'F', '1987-10-31 00:00:00', '2', '5 Hibao-an Road', 'Hibao-an', '5000', NULL, 'C001'),
 ('T000001', 'BELTRAN', 'ARNOLD', 'MACASA', 'M', '1979-07-19 00:00:00', '2', '12 Zamora Street', 'Concepcion', '5000', NULL, NULL),
 ('T000002', 'CRUZ', 'MARIBEL', 'DELOS SANTOS', 'F', '1991-01-08 00:00:00', '1', '3 Bonifacio Drive', 'Baybay', '5021', NULL, NULL),
 ('T000003', 'DOMINGO', 'FERDINAND', 'LACUESTA', 'M', NULL, '2', 'Purok 7', 'Sambag', '5001', NULL, NULL),
 ('T000004', 'ESTRADA', 'JOCELYN', 'MARTIR', 'F', '1968-11-11 00:00:00', NULL, '45 Delgado Street', 'Santo Rosario', '5000', NULL, NULL),
 ('T000005', 'FAJARDO', 'LEONARDO', 'CAMPOS', 'M', '1955-05-05 00:00:00', '3', '9 Mapa Street', 'Poblacion', '5044', NULL, NULL);
UPDATE PATIENT_DATA..tbMaster SET Age = '47' WHERE HospNum = 'T000003';

-- Admissions in every room class, and the ones the charging screens refuse.
INSERT INTO PATIENT_DATA..tbPatient (IDNum, HospNum, AdmDate, DcrDate, BillingDate, RoomID, AttendingDrID, AccountNum) VALUES
 ('260101', '000101', datetime(getdate(), '-4 days', 'start of day', '+9 hours'), NULL, NULL, '101', '1001', 'C001'),
 ('260102', '000102', datetime(getdate(), '-3 days', 'start of day', '+14 hours'), NULL, NULL, '201', '1002', '000102'),
 ('260103', '000103', datetime(getdate(), '-6 days', 'start of day', '+8 hours'), NULL, NULL, '301', '1003', '000103'),
 ('260104', '000104', datetime(getdate(), '-2 days', 'start of day', '+10 hours'), NULL, NULL, '401', '1006', 'H001'),
 ('260105', '000105', datetime(getdate(), '-5 days', 'start of day', '+16 hours'), NULL, NULL, '501', '1007', 'C002'),
 ('260106', '000106', datetime(getdate(), '-9 days', 'start of day', '+11 hours'), NULL, NULL, '601', '1008', '000106'),
 ('260107', '000107', datetime(getdate(), '-1 days', 'start of day', '+7 hours'), NULL, NULL, 'PRV-1', '1009', '000107'),
 ('260108', '000108', datetime(getdate(), '-3 days', 'start of day', '+13 hours'), NULL, NULL, 'SUITE-1', '1005', 'C003'),
 ('260109', '000109', datetime(getdate(), '-7 days', 'start of day', '+9 hours'), NULL, date(getdate()), '102', '1001', '000109'),
 ('260110', '000110', datetime(getdate(), '-2 days', 'start of day', '+15 hours'), NULL, NULL, '202', '1002', '000110'),
 ('260111', '000111', datetime(getdate(), '-1 days', 'start of day', '+20 hours'), NULL, NULL, '302', '1007', '000111'),
 ('260112', '000112', datetime(getdate(), '-4 days', 'start of day', '+12 hours'), NULL, NULL, '402', '1012', 'H002'),
 ('260113', '000113', datetime(getdate(), '-2 days', 'start of day', '+18 hours'), NULL, NULL, 'PED-1', '1004', '000113'),
 ('260114', '000114', datetime(getdate(), '-10 days', 'start of day', '+6 hours'), NULL, NULL, 'ICU-1', '1009', '000114'),
 ('260115', '000115', datetime(getdate(), 'start of day', '+2 hours'), NULL, NULL, 'ER-3', '1005', '000115'),
 ('250907', '000103', datetime(getdate(), '-95 days', 'start of day', '+8 hours'), datetime(getdate(), '-90 days', 'start of day', '+15 hours'), date(getdate(), '-90 days'), '302', '1003', '000103');

INSERT INTO PATIENT_DATA..tbPatient2 (IDNum, OkeyMRI, AdmissionTypeID) VALUES
 ('260101', 1, 'REG'), ('260102', 1, 'REG'), ('260103', 1, 'REG'), ('260104', 1, 'REG'),
 ('260105', 1, 'REG'), ('260106', 1, 'REG'), ('260107', 1, 'REG'), ('260108', 1, 'REG'),
 ('260109', 1, 'REG'), ('260110', 0, 'REG'), ('260111', 1, 'KV'), ('260112', 1, 'REG'),
 ('260113', 1, 'REG'), ('260114', 1, 'REG'), ('260115', 1, 'ER'), ('250907', 1, 'REG');

INSERT INTO PATIENT_DATA..tbPatientHistory (IDNum, AdmDiagnosis, ChiefComplaint) VALUES
 ('260101', 'Cerebrovascular disease, to rule out infarct', 'Sudden weakness of the right arm and leg'),
 ('260102', 'Chronic migraine, intractable', 'Severe recurrent headache for two weeks'),
 ('260103', 'Lumbar disc herniation', 'Low back pain radiating to the left leg'),
 ('260104', 'Abnormal uterine bleeding', 'Heavy menstrual bleeding, pelvic pain'),
 ('260105', 'Seizure disorder, new onset', 'Two episodes of generalized seizure'),
 ('260106', 'Breast carcinoma, for staging', 'Palpable mass, left breast'),
 ('260107', 'Dilated cardiomyopathy', 'Easy fatigability and dyspnea on exertion'),
 ('260108', 'Obstructive jaundice', 'Yellowish skin and abdominal pain'),
 ('260111', 'Right knee injury, r/o ACL tear', 'Knee pain and swelling after a fall while playing basketball; patient''s knee gives way'),
 ('260112', 'Cervical radiculopathy', 'Neck pain with numbness of both hands'),
 ('260113', 'Febrile seizure, to rule out CNS infection', 'Fever and convulsion'),
 ('260114', 'Post-operative craniotomy, meningioma', 'For follow-up imaging');

-- Out-patient registrations: an HMO member, a personal account, a revoked one
-- and one whose bill closes today.
INSERT INTO PATIENT_DATA..tbOutPatient (IdNum, HospNum, AdmDate, DcrDate, BillingDate, OPDStatus, AccountNum, DoctorID) VALUES
 ('OPD260201', '000121', datetime(getdate(), 'start of day', '+8 hours'), NULL, NULL, 'A', 'C001', '1002'),
 ('OPD260202', '000122', datetime(getdate(), 'start of day', '+9 hours'), NULL, NULL, 'A', 'H001', '1003'),
 ('OPD260203', '000123', datetime(getdate(), 'start of day', '+9 hours', '+30 minutes'), NULL, NULL, 'A', '000123', '1001'),
 ('OPD260204', '000124', datetime(getdate(), '-1 days', 'start of day', '+10 hours'), NULL, NULL, 'R', 'C002', '1007'),
 ('OPD260205', '000125', datetime(getdate(), '-1 days', 'start of day', '+11 hours'), NULL, date(getdate()), 'A', 'C003', '1006'),
 ('OPD260206', '000126', datetime(getdate(), 'start of day', '+10 hours'), NULL, NULL, 'A', 'H002', '1010'),
 ('OPD260207', '000127', datetime(getdate(), '-2 days', 'start of day', '+13 hours'), NULL, NULL, 'A', 'C001', '1006'),
 ('OPD250811', '000121', datetime(getdate(), '-120 days', 'start of day', '+8 hours'), datetime(getdate(), '-120 days', 'start of day', '+12 hours'), date(getdate(), '-120 days'), 'A', 'C001', '1002');

-- Employees. Passwords are stored only as a salted hash of the scrambled text
-- the workstation sends: DEMO / demo, RADIO / radio, NURSE / nurse.
INSERT INTO PASSWORD..tbPasswordMain (EmployeeID, UserID, LastName, FirstName, MiddleName, Initial, Position, DeptCode, Station, PasswordSalt, PasswordHash, CanVerify)
SELECT EmployeeID, UserID, LastName, FirstName, MiddleName, Initial, Position, 'MI', Station, salt, hash_password(scrambled, salt), CanVerify
FROM (SELECT 'E0101' AS EmployeeID, 'DEMO' AS UserID, 'SANTIAGO' AS LastName, 'ANA' AS FirstName, 'MAGALLANES' AS MiddleName,
             'AMS' AS Initial, 'MRI CLERK' AS Position, 'MRI-1' AS Station, 'A55B975D81' AS scrambled, new_salt() AS salt, 1 AS CanVerify
      UNION ALL
      SELECT 'E0102', 'RADIO', 'REYES', 'MARIA LOURDES', 'SANTOS', 'MLR', 'RADIOLOGIST', 'MRI-2', 'A549FD3AEE E', new_salt(), 1
      UNION ALL
      SELECT 'E0103', 'NURSE', 'LIM', 'GRACE', 'ONG', 'GOL', 'RADIOLOGIC TECHNOLOGIST', 'MRI-1', 'A545ED38E61C', new_salt(), 0);

-- Charge slips already posted: exams waiting for results, results saved,
-- verified results, a cancelled line and a cash request from a paid receipt.
CREATE TEMP TABLE demo_request (RequestNum, RefNum, RevenueID, PatientType, HospNum, IDNum, ItemID, Quantity, RateColumn, Amount, DoctorID, RoomID, Days, Status, LocationID, InvCode);
INSERT INTO temp.demo_request VALUES
 ('26000001', 'C991S', 'MI', 'I', '000101', '260101', 'MRI001', 1, 'A', NULL, '1001', '101', -4, 'Y', NULL, NULL),
 ('26000002', 'C991S', 'MD', 'I', '000101', '260101', '2001', 1, NULL, 1500, '1001', '101', -4, 'X', NULL, NULL),
 ('26000003', 'C991S', 'MS', 'I', '000101', '260101', '10004', 1, NULL, 15, '1001', '101', -4, 'X', 'MRISUP', 'CSR'),
 ('26000004', 'C992S', 'MI', 'I', '000102', '260102', 'MRI002', 1, 'B', NULL, '1002', '201', -3, 'X', NULL, NULL),
 ('26000005', 'C992S', 'MZ', 'I', '000102', '260102', '20001', 1, NULL, 4800, '1002', '201', -3, 'X', 'MRIPHA', 'PHA'),
 ('26000006', 'C993S', 'MI', 'I', '000103', '260103', 'MRI005', 1, 'C', NULL, '1003', '301', -6, 'Y', NULL, NULL),
 ('26000007', 'C994S', 'MI', 'I', '000104', '260104', 'MRI011', 1, 'D', NULL, '1006', '401', -2, 'W', NULL, NULL),
 ('26000008', 'C995S', 'MI', 'I', '000105', '260105', 'MRI001', 1, 'E', NULL, '1007', '501', -1, 'W', NULL, NULL),
 ('26000009', 'C995S', 'MI', 'I', '000105', '260105', 'MRI012', 1, 'E', NULL, '1007', '501', -1, 'W', NULL, NULL),
 ('26000010', 'C996S', 'MI', 'I', '000112', '260112', 'MRI003', 1, 'D', NULL, '1012', '402', 0, 'W', NULL, NULL),
 ('26000011', 'C997S', 'MI', 'I', '000111', '260111', 'MRI007', 1, 'F', NULL, '1007', '302', 0, 'W', NULL, NULL),
 ('26000012', 'C998S', 'MI', 'I', '000106', '260106', 'MRI014', 1, 'F', NULL, '1008', '601', -8, 'Y', NULL, NULL),
 ('26000013', 'C999S', 'MI', 'O', '000127', 'OPD260207', 'MRI005', 1, 'A', NULL, '1006', 'OPD', -2, 'X', NULL, NULL),
 ('26000014', 'C1000S', 'MI', 'O', '000121', 'OPD260201', 'MRI009', 1, 'A', NULL, '1002', 'OPD', 0, 'W', NULL, NULL),
 ('26000015', 'C1000S', 'MI', 'O', '000121', 'OPD260201', 'MRI017', 1, 'A', NULL, '1002', 'OPD', 0, 'R', NULL, NULL),
 ('26000016', 'OR-104480', 'MI', 'C', 'T000004', 'T000004', 'MRI001', 1, 'G', NULL, '1001', 'OPD', -1, 'W', NULL, NULL),
 ('26000017', 'C871S', 'MI', 'I', '000103', '250907', 'MRI005', 1, 'C', NULL, '1003', '302', -93, 'Y', NULL, NULL),
 ('26000018', 'C990S', 'MI', 'I', '000114', '260114', 'MRI002', 1, 'H', NULL, '1009', 'ICU-1', -8, 'X', NULL, NULL);

INSERT INTO RADIOLOGY..tbMRIRequest (RequestNum, RefNum, RevenueID, PatientType, HospNum, IDNum, ItemID, Description, Quantity, Amount, DoctorID, RoomID, UserID, TransDate, Status, LocationID, InvCode, CancelledBy, CancelDate)
SELECT r.RequestNum, r.RefNum, r.RevenueID, r.PatientType, r.HospNum, r.IDNum, r.ItemID,
       coalesce(o.OtherRevenue, i.DrugName, CASE WHEN r.RevenueID = 'MD' THEN 'DR. ' || d.LastName || ', ' || d.FirstName END),
       r.Quantity,
       coalesce(r.Amount, CASE r.RateColumn WHEN 'A' THEN o.RateA WHEN 'B' THEN o.RateB WHEN 'C' THEN o.RateC WHEN 'D' THEN o.RateD
                                            WHEN 'E' THEN o.RateE WHEN 'F' THEN o.RateF WHEN 'G' THEN o.RateG ELSE o.RateH END),
       r.DoctorID, r.RoomID, 'E0101', datetime(getdate(), r.Days || ' days', 'start of day', '+10 hours', '+' || (CAST(substr(r.RequestNum, 7) AS INTEGER) * 7) || ' minutes'),
       r.Status, r.LocationID, r.InvCode,
       CASE WHEN r.Status = 'R' THEN 'E0101' END, CASE WHEN r.Status = 'R' THEN datetime(getdate(), '-30 minutes') END
FROM temp.demo_request r
LEFT JOIN BUILD_FILE..tbCoOtherRevenue o ON o.OtherRevenueID = r.ItemID AND r.RevenueID = 'MI'
LEFT JOIN BUILD_FILE..tbInvMaster i ON i.ItemID = r.ItemID AND i.LocationID = r.LocationID
LEFT JOIN BUILD_FILE..tbCoDoctor d ON d.DoctorID = r.ItemID AND r.RevenueID = 'MD';

-- What those slips put on the patients' bills (cash requests were paid at the cashier).
INSERT INTO BILLING..tbPatientCharges (PatientType, IDNum, HospNum, RevenueID, ItemID, Description, Quantity, Amount, DoctorID, RefNum, RequestNum, TransDate, UserID)
SELECT PatientType, IDNum, HospNum, RevenueID, ItemID, Description, Quantity, Amount,
       CASE WHEN RevenueID = 'MD' THEN ItemID END, RefNum, RequestNum, TransDate, UserID
FROM RADIOLOGY..tbMRIRequest WHERE PatientType IN ('I', 'O');
INSERT INTO BILLING..tbPatientCharges (PatientType, IDNum, HospNum, RevenueID, ItemID, Description, Quantity, Amount, RefNum, RequestNum, TransDate, UserID)
SELECT PatientType, IDNum, HospNum, RevenueID, ItemID, Description, -Quantity, -Amount, RefNum, RequestNum, CancelDate, CancelledBy
FROM RADIOLOGY..tbMRIRequest WHERE Status = 'R';

INSERT INTO BUILD_FILE..tbInvStockCard (HospNum, IDNum, ItemID, TransDate, RefNum, Quantity, UnitCost, Amount, UserID, TransType, Reference, LocationID, Remarks, RoomID, Discount, InventoryCode, ChargeInvCode, RequestRef, Direction, PostedDate)
SELECT HospNum, IDNum, ItemID, TransDate, RefNum, Quantity, 0, Amount, UserID, 'PRN', '', LocationID, '', RoomID, 0, InvCode, InvCode, '', 'O', TransDate
FROM RADIOLOGY..tbMRIRequest WHERE LocationID IS NOT NULL;

-- Film file numbers and stored results.
INSERT INTO RADIOLOGY..tbRadioFileNum (RevenueID, FileNum, HospNum, ControlNum, CreatedDate) VALUES
 ('MI', 'M26-00012', '000101', '0000000003', datetime(getdate(), '-200 days')),
 ('MI', 'M25-00871', '000103', '0000000002', datetime(getdate(), '-93 days')),
 ('MI', 'M26-00020', '000106', '0000000001', datetime(getdate(), '-8 days')),
 ('MI', 'M26-00025', '000127', '0000000001', datetime(getdate(), '-2 days')),
 ('MI', 'M26-00030', '000102', '0000000001', datetime(getdate(), '-3 days'));

INSERT INTO RADIOLOGY..tbMRIResult (RequestNum, HospNum, IDNum, ExamID, TransDate, ResultDate, DoctorID, RadCode, CoRadiologistID, Interpretation, Remarks, RoomID, TranscribedByID, TranscribeDate, FileNum, ControlNum, TestTaken, VerifyByID, VerifyDate)
SELECT r.RequestNum, r.HospNum, r.IDNum, r.ItemID, r.TransDate, datetime(r.TransDate, '+1 day', 'start of day'), r.DoctorID, x.RadCode, x.CoRad,
       r.Description || char(10) || char(10) || x.Interpretation, x.Remarks, r.RoomID, 'E0101', datetime(r.TransDate, '+1 day'),
       x.FileNum, x.ControlNum, r.Description,
       CASE WHEN r.Status = 'Y' THEN 'E0102' END, CASE WHEN r.Status = 'Y' THEN datetime(r.TransDate, '+1 day', '+3 hours') END
FROM RADIOLOGY..tbMRIRequest r
JOIN (SELECT '26000001' AS RequestNum, '2001' AS RadCode, '2004' AS CoRad, 'M26-00012' AS FileNum, '0000000003' AS ControlNum, '' AS Remarks,
             'There is an acute infarct in the left corona radiata and posterior limb of the left internal capsule showing restricted diffusion. No haemorrhagic transformation. The ventricles and sulci are age-appropriate. No midline shift.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'Acute lacunar infarct, left corona radiata and internal capsule.' AS Interpretation
      UNION ALL SELECT '26000004', '2004', '', 'M26-00030', '0000000001', 'For correlation with EEG.',
             'No intracranial mass, haemorrhage or abnormal enhancement. The pituitary gland, orbits and paranasal sinuses are unremarkable. Minimal mucosal thickening in the right maxillary sinus.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'No intracranial abnormality to explain the patient`s headache.'
      UNION ALL SELECT '26000006', '2002', '', 'M25-00871', '0000000002', '',
             'Disc desiccation at L4-L5 and L5-S1. There is a left paracentral disc extrusion at L4-L5 compressing the traversing left L5 nerve root. Mild canal stenosis at L4-L5.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'L4-L5 left paracentral disc extrusion with left L5 nerve root compression.'
      UNION ALL SELECT '26000012', '2003', '2001', 'M26-00020', '0000000001', 'Compared with mammogram of last month.',
             'An irregular enhancing mass measuring 2.4 x 2.1 cm in the upper outer quadrant of the left breast with type III kinetic curve. Two enlarged left axillary lymph nodes. The right breast is unremarkable.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'Left breast mass, BI-RADS 5, with left axillary adenopathy.'
      UNION ALL SELECT '26000013', '2001', '', 'M26-00025', '0000000001', '',
             'Mild disc bulges at L3-L4 and L4-L5 without significant canal or foraminal stenosis. The conus medullaris ends at L1.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'Mild lumbar spondylosis.'
      UNION ALL SELECT '26000017', '2002', '', 'M25-00871', '0000000001', 'Initial study.',
             'Broad-based disc bulge at L4-L5 indenting the thecal sac. No nerve root compression.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'L4-L5 disc bulge.'
      UNION ALL SELECT '26000018', '2004', '', '', '', '',
             'Post-operative changes of a right frontal craniotomy. No residual enhancing tumour. Small subdural hygroma along the right convexity.') x
  ON x.RequestNum = r.RequestNum;

INSERT INTO RADIOLOGY..tbXRICD10 (IDNum, Dept, Seq, DiagnosisID) VALUES
 ('260101', 'MI', 1, 'I63.9'), ('260101', 'MI', 2, 'R42'),
 ('260103', 'MI', 1, 'M51.1'), ('260103', 'MI', 2, 'M54.5'),
 ('260106', 'MI', 1, 'C50.9'),
 ('250907', 'MI', 1, 'M51.1');

INSERT INTO RADIOLOGY..tbRadioReading (RequestNum, IDNum, HospNum, RoomID, ExamID, RevenueID, UserID, AutoPrint, ReadDate)
SELECT RequestNum, IDNum, HospNum, RoomID, ExamID, 'MI', TranscribedByID, 'N', TranscribeDate FROM RADIOLOGY..tbMRIResult;

INSERT INTO RADIOLOGY..tbDOSInterpretation (FileNum, ExamDate, Exam, Interpretation) VALUES
 ('M25-00871', '2019-06-14 00:00:00', 'MRI LUMBOSACRAL SPINE', 'Early degenerative disc disease at L4-L5. No herniation.'),
 ('M25-00871', '2016-02-02 00:00:00', 'MRI LUMBOSACRAL SPINE', 'Normal MRI of the lumbosacral spine.');

-- Coded interpretation templates.
INSERT INTO RADIOLOGY..tbMRIInterpretation (Code, RevenueID, Description, SectionID, Interpretation) VALUES
 ('MI0001', 'MI', 'NORMAL MRI BRAIN', 'NR', 'The brain parenchyma shows normal signal intensity. No mass, haemorrhage or infarct. The ventricles, sulci and cisterns are normal. No midline shift. The posterior fossa structures are unremarkable.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'Normal MRI of the brain.'),
 ('MI0002', 'MI', 'LUMBAR DISC HERNIATION', 'NR', 'There is disc desiccation at the level described with a posterior disc protrusion indenting the thecal sac and narrowing the neural foramen.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'Lumbar disc herniation.'),
 ('MI0003', 'MI', 'NORMAL MRI KNEE', 'MS', 'The menisci and cruciate and collateral ligaments are intact. No joint effusion. The articular cartilage is preserved. No bone marrow oedema.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'Normal MRI of the knee.'),
 ('MI0004', 'MI', 'ANTERIOR CRUCIATE LIGAMENT TEAR', 'MS', 'The anterior cruciate ligament is discontinuous with a wavy contour and surrounding oedema. Bone bruises of the lateral femoral condyle and posterolateral tibial plateau. Moderate joint effusion. A small Baker`s cyst.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'Complete tear of the anterior cruciate ligament.'),
 ('MI0005', 'MI', 'ROTATOR CUFF TEAR', 'MS', 'Full-thickness tear of the supraspinatus tendon with retraction. Fluid in the subacromial-subdeltoid bursa.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'Full-thickness supraspinatus tendon tear.'),
 ('MI0006', 'MI', 'NORMAL MRCP', 'BD', 'The intrahepatic and extrahepatic bile ducts are not dilated. No filling defect in the common bile duct. The pancreatic duct is normal in calibre. The gallbladder is unremarkable.' || char(10) || char(10) || 'IMPRESSION:' || char(10) || 'Normal MRCP.');

-- Requests that the wards and clinics sent: three pending, one served, one revoked.
INSERT INTO RADIOLOGY..tbNurseRequest (RevenueID, PatientType, HospNum, IDNum, ItemID, Quantity, Amount, DoctorID, RequestingNurse, Remarks, RequestRef, RequestDate, Status, ServedBy, ServedDate, RevokedBy, RevokedDate)
SELECT 'MI', t, h, i, item, q,
       q * (SELECT CASE rate WHEN 'A' THEN RateA WHEN 'B' THEN RateB WHEN 'G' THEN RateG ELSE RateH END FROM BUILD_FILE..tbCoOtherRevenue WHERE OtherRevenueID = item),
       doc, nurse, remarks, ref, datetime(getdate(), mins || ' minutes'), st,
       CASE WHEN st = 'S' THEN 'E0101' END, CASE WHEN st = 'S' THEN datetime(getdate(), '-1 days') END,
       CASE WHEN st = 'R' THEN 'E0101' END, CASE WHEN st = 'R' THEN datetime(getdate(), '-3 hours') END
FROM (SELECT 'I' AS t, '000107' AS h, '260107' AS i, 'MRI021' AS item, 1 AS q, 'G' AS rate, '1009' AS doc, 'RN JOY ABELLA' AS nurse, 'Patient on telemetry; bring portable monitor.' AS remarks, 'WR-2601-0041' AS ref, -95 AS mins, 'P' AS st
      UNION ALL SELECT 'I', '000108', '260108', 'MRI013', 1, 'H', '1005', 'RN MARK DELFIN', 'NPO since midnight.', 'WR-2601-0044', -40, 'P'
      UNION ALL SELECT 'O', '000126', 'OPD260206', 'MRI007', 1, 'B', '1010', 'RN LIZA TAN', 'Sports injury, right knee.', 'OC-2601-0107', -25, 'P'
      UNION ALL SELECT 'O', '000122', 'OPD260202', 'MRI018', 2, 'B', '1003', 'RN LIZA TAN', 'Both wrists.', 'OC-2601-0109', -2880, 'R'
      UNION ALL SELECT 'I', '000104', '260104', 'MRI011', 1, 'A', '1006', 'RN CLARA VENTURA', '', 'WR-2601-0032', -3000, 'S');

-- Discharge notices: one waiting for the department's clearance, one cleared.
INSERT INTO PATIENT_DATA..tbDischargeNotice (IDNum, NoticeDate, OrderedDate, DischargeNurse, Remarks) VALUES
 ('260114', datetime(getdate(), '-50 minutes'), datetime(getdate(), '-2 hours'), 'RN SHIELA MONTANO', 'May go home; follow-up at OPD in one week.'),
 ('260106', datetime(getdate(), '-1 days', '+2 hours'), datetime(getdate(), '-1 days'), 'RN ROWENA DIAZ', 'Transfer to oncology day care.');
INSERT INTO RADIOLOGY..tbDischargeClearance (IDNum, RevenueID, UserID, ClearDate, ClearRemarks) VALUES
 ('260106', 'MI', 'E0101', datetime(getdate(), '-20 hours'), 'No pending MRI work.');

-- Assessments of cash patients and the receipts the cashier issued for them.
INSERT INTO BILLING..tbCashAssessment (RefNum, PatientName, AssessDate, RevenueID, ItemID, Quantity, Amount, UserID, IDNum, HospNum, DoctorID, DoctorName, DeptRevenueID, ORNumber, Status, RevokedBy, RevokedDate)
SELECT a.RefNum, m.LastName || ', ' || m.FirstName || ' ' || m.MiddleName, datetime(getdate(), a.Days || ' days', 'start of day', '+9 hours'),
       a.Dept, a.ItemID, a.Qty, coalesce(a.Amount, a.Qty * o.RateG), 'E0101', a.IDNum, a.HospNum, a.DoctorID,
       'DR. ' || d.FirstName || ' ' || d.LastName, 'MI', a.ORNumber, a.Status,
       CASE WHEN a.Status = 'R' THEN 'E0101' END, CASE WHEN a.Status = 'R' THEN datetime(getdate(), '-2 hours') END
FROM (SELECT 'MI495' AS RefNum, 'T000003' AS HospNum, 'T000003' AS IDNum, 'MI' AS Dept, 'MRI001' AS ItemID, 1 AS Qty, NULL AS Amount, '1002' AS DoctorID, NULL AS ORNumber, 'A' AS Status, 0 AS Days
      UNION ALL SELECT 'MI495', 'T000003', 'T000003', 'MS', '10004', 1, 20, '1002', NULL, 'A', 0
      UNION ALL SELECT 'MI496', '000126', 'OPD260206', 'MI', 'MRI007', 1, NULL, '1010', NULL, 'R', -1
      UNION ALL SELECT 'MI497', 'T000001', 'T000001', 'MI', 'MRI001', 1, NULL, '1002', 'OR-104501', 'A', 0
      UNION ALL SELECT 'MI497', 'T000001', 'T000001', 'MS', '10004', 1, 20, '1002', 'OR-104501', 'A', 0
      UNION ALL SELECT 'MI497', 'T000001', 'T000001', 'MZ', '20001', 1, 5200, '1002', 'OR-104501', 'A', 0
      UNION ALL SELECT 'MI498', 'T000002', 'T000002', 'MI', 'MRI007', 1, NULL, '1003', 'OR-104502', 'A', 0
      UNION ALL SELECT 'MI498', 'T000002', 'T000002', 'MI', 'MRI017', 1, NULL, '1003', 'OR-104502', 'A', 0
      UNION ALL SELECT 'MI498', 'T000002', 'T000002', 'MS', '10002', 2, 60, '1003', 'OR-104502', 'A', 0
      UNION ALL SELECT 'MI499', '000127', 'OPD260207', 'MI', 'MRI011', 1, NULL, '1006', NULL, 'A', -1
      UNION ALL SELECT 'MI500', 'T000005', 'T000005', 'MI', 'MRI005', 1, NULL, '1007', NULL, 'A', 0
      UNION ALL SELECT 'MI500', 'T000005', 'T000005', 'MD', '2002', 1, 2000, '1007', NULL, 'A', 0
      UNION ALL SELECT 'MI480', 'T000004', 'T000004', 'MI', 'MRI001', 1, NULL, '1001', 'OR-104480', 'A', -1) a
JOIN PATIENT_DATA..tbMaster m ON m.HospNum = a.HospNum
JOIN BUILD_FILE..tbCoDoctor d ON d.DoctorID = a.DoctorID
LEFT JOIN BUILD_FILE..tbCoOtherRevenue o ON o.OtherRevenueID = a.ItemID;

INSERT INTO BILLING..tbCashReceipt (ORNumber, HospNum, IDNum, RoomID, PaidDate, AssessmentNum, RequestDocID, DoctorName, Cashier) VALUES
 ('OR-104501', 'T000001', 'T000001', 'OPD', datetime(getdate(), 'start of day', '+10 hours'), 'MI497', '1002', 'DR. ELENA MENDOZA', 'CASHIER 2'),
 ('OR-104502', 'T000002', 'T000002', 'OPD', datetime(getdate(), 'start of day', '+11 hours'), 'MI498', '1003', 'DR. FERNANDO GONZALES', 'CASHIER 1'),
 ('OR-104480', 'T000004', 'T000004', 'OPD', datetime(getdate(), '-1 days', 'start of day', '+9 hours'), 'MI480', '1001', 'DR. RAMON AQUINO', 'CASHIER 1');

INSERT INTO BILLING..tbCashReceiptDetail (ORNumber, LineNo, RevenueID, ItemID, Description, Price, Quantity, Amount, Served, ServedDate)
SELECT r.ORNumber, row_number() OVER (PARTITION BY r.ORNumber ORDER BY a.TransNum), a.RevenueID, a.ItemID,
       coalesce(o.OtherRevenue, i.DrugName, 'PROF. FEE'), a.Amount / a.Quantity, a.Quantity, a.Amount,
       CASE WHEN r.ORNumber = 'OR-104480' THEN 1 ELSE 0 END,
       CASE WHEN r.ORNumber = 'OR-104480' THEN datetime(getdate(), '-1 days', 'start of day', '+10 hours') END
FROM BILLING..tbCashReceipt r
JOIN BILLING..tbCashAssessment a ON a.ORNumber = r.ORNumber
LEFT JOIN BUILD_FILE..tbCoOtherRevenue o ON o.OtherRevenueID = a.ItemID AND a.RevenueID = 'MI'
LEFT JOIN BUILD_FILE..tbInvMaster i ON i.ItemID = a.ItemID;

-- The appointment book.
INSERT INTO RADIOLOGY..tbMRISchedule (RevenueID, ScheduleDate, ScheduleTime, HospNum, IDNum, RefNum, ExamID, UserID, CreatedDate) VALUES
 ('MI', date(getdate()), '9:00:00 AM', '000121', 'OPD260201', '', 'MRI009', 'E0101', datetime(getdate(), '-3 days')),
 ('MI', date(getdate()), '2:00:00 PM', 'T000003', 'T000003', '', 'MRI001', 'E0101', datetime(getdate(), '-1 days')),
 ('MI', date(getdate(), '+1 days'), '10:30:00 AM', '000126', 'OPD260206', '', 'MRI007', 'E0101', datetime(getdate(), '-1 days')),
 ('MI', date(getdate(), '+2 days'), '8:00:00 AM', '000107', '260107', '', 'MRI021', 'E0101', getdate());

DROP TABLE temp.demo_request;
