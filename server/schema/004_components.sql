-- Indexes for the look-up lists, which run one query per keystroke: every
-- filter is a key or the start of a name, so each list reads an index range.

-- ICD-10 descriptions are searched by their first words.
CREATE INDEX BUILD_FILE..ixICDDescription ON BUILD_FILE..tbICDDiagMain(Description COLLATE NOCASE);

-- Revenue items listed by section as well as by department.
CREATE INDEX BUILD_FILE..ixOtherRevenueSection ON BUILD_FILE..tbCoOtherRevenue(SectionID, OtherRevenue);

-- Addresses by province.
CREATE INDEX BUILD_FILE..ixAddressProvince ON BUILD_FILE..tbCoAddress(Province);

-- The patients still in the hospital: admissions and out-patient registrations
-- not yet discharged are few among all the stays ever recorded.
CREATE INDEX PATIENT_DATA..ixPatientCurrent ON PATIENT_DATA..tbPatient(HospNum) WHERE DcrDate IS NULL;
CREATE INDEX PATIENT_DATA..ixOutPatientCurrent ON PATIENT_DATA..tbOutPatient(HospNum) WHERE DcrDate IS NULL;

-- Employees by name.
CREATE INDEX PASSWORD..ixPasswordName ON PASSWORD..tbPasswordMain(LastName COLLATE NOCASE, FirstName COLLATE NOCASE);
