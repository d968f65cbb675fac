-- RADIOLOGY..spRadio_PatientInfo
-- A patient's master data by hospital number, with the film numbers of the
-- imaging departments and the address.
-- @HospNum: hospital number
-- returns: HospNum, LastName, FirstName, MiddleName, CivilStatus, Sex, BirthDate, Age, XRayNum, UltraNum, CTNum, TelNum, HouseStreet, Barangay, ZipCode, Town, Province (no row when there is no such patient)
SELECT m.HospNum, m.LastName, m.FirstName, m.MiddleName, m.CivilStatus, m.Sex, m.BirthDate,
       coalesce(nullif(m.Age, ''), CAST(age_years(m.BirthDate) AS TEXT)) AS Age,
       m.XRayNum, m.UltraNum, m.CTNum, m.TelNum, m.HouseStreet, m.Barangay, m.ZipCode, a.Town, a.Province
FROM PATIENT_DATA..tbMaster m
LEFT JOIN BUILD_FILE..tbCoAddress a ON a.ZipCode = m.ZipCode
WHERE m.HospNum = @HospNum;
