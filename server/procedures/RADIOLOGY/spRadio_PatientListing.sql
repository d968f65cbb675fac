-- RADIOLOGY..spRadio_PatientListing
-- The patient lists of the radiology search, by name, at most 200 rows:
-- 205 the admitted patients (not discharged), 204 the registered out-patients
-- (not discharged; revoked registrations and closed bills are listed with
-- their status, so the screens can say why they refuse them), 206 the film
-- file numbers of a department with their owners. The filter is a key
-- (admission, OPD, hospital or file number) or the start of the last name,
-- narrowed by the start of the first name.
-- @List: 205 admitted patients, 204 out-patients, 206 film file numbers
-- @RevenueID: the department of the file numbers (list 206)
-- @Filter: a key, or the start of the last name ('' lists all)
-- @FirstName = '': the start of the first name ('' any)
-- returns: lists 204 and 205: HospitalNumber, IdNumber, LastName, FirstName, MiddleName, Sex, CivilStatus, BirthDate, Age, HouseStreet, Barangay, ZipCode, Town, Province, RoomID, RoomClassID, AdmDate, DcrDate, BillingDate, AttendingDrID, AttendingDr, AccountNum, Company, Status; list 206: FileNum, HospNum, LastName, FirstName, MiddleName, ControlNum, CreatedDate
-- when: @List = '205'
SELECT p.HospNum AS HospitalNumber, p.IDNum AS IdNumber, m.LastName, coalesce(m.FirstName, '') AS FirstName,
       coalesce(m.MiddleName, '') AS MiddleName, coalesce(m.Sex, '') AS Sex, coalesce(m.CivilStatus, '') AS CivilStatus,
       m.BirthDate, coalesce(CAST(age_years(m.BirthDate) AS TEXT), m.Age, '') AS Age,
       coalesce(m.HouseStreet, '') AS HouseStreet, coalesce(m.Barangay, '') AS Barangay, coalesce(m.ZipCode, '') AS ZipCode,
       coalesce(a.Town, '') AS Town, coalesce(a.Province, '') AS Province,
       coalesce(p.RoomID, '') AS RoomID, coalesce(r.RoomClassID, '') AS RoomClassID,
       p.AdmDate, p.DcrDate, p.BillingDate, coalesce(p.AttendingDrID, '') AS AttendingDrID,
       CASE WHEN d.DoctorID IS NULL THEN '' ELSE 'DR. ' || d.LastName || ', ' || coalesce(d.FirstName, '') END AS AttendingDr,
       coalesce(p.AccountNum, m.AccountNum, '') AS AccountNum, coalesce(c.Company, '') AS Company,
       CASE WHEN p.BillingDate IS NOT NULL THEN 'BILLED' ELSE '' END AS Status
FROM PATIENT_DATA..tbPatient p
JOIN PATIENT_DATA..tbMaster m ON m.HospNum = p.HospNum
LEFT JOIN BUILD_FILE..tbCoRoom r ON r.RoomID = p.RoomID
LEFT JOIN BUILD_FILE..tbCoAddress a ON a.ZipCode = m.ZipCode
LEFT JOIN BUILD_FILE..tbCoDoctor d ON d.DoctorID = p.AttendingDrID
LEFT JOIN BUILD_FILE..tbCoCompany c ON c.AccountNum = coalesce(p.AccountNum, m.AccountNum)
WHERE p.DcrDate IS NULL
  AND (p.IDNum = @Filter OR p.HospNum = @Filter
       OR (m.LastName >= @Filter AND m.LastName < @Filter || char(1114111)
           AND (@FirstName = '' OR (m.FirstName >= @FirstName AND m.FirstName < @FirstName || char(1114111)))))
ORDER BY CASE WHEN p.IDNum = @Filter OR p.HospNum = @Filter THEN 0 ELSE 1 END, m.LastName, m.FirstName, p.AdmDate DESC
LIMIT 200;
-- when: @List = '204'
SELECT o.HospNum AS HospitalNumber, o.IdNum AS IdNumber, m.LastName, coalesce(m.FirstName, '') AS FirstName,
       coalesce(m.MiddleName, '') AS MiddleName, coalesce(m.Sex, '') AS Sex, coalesce(m.CivilStatus, '') AS CivilStatus,
       m.BirthDate, coalesce(CAST(age_years(m.BirthDate) AS TEXT), m.Age, '') AS Age,
       coalesce(m.HouseStreet, '') AS HouseStreet, coalesce(m.Barangay, '') AS Barangay, coalesce(m.ZipCode, '') AS ZipCode,
       coalesce(a.Town, '') AS Town, coalesce(a.Province, '') AS Province,
       'OPD' AS RoomID, '' AS RoomClassID,
       o.AdmDate, o.DcrDate, o.BillingDate, coalesce(o.DoctorID, '') AS AttendingDrID,
       CASE WHEN d.DoctorID IS NULL THEN '' ELSE 'DR. ' || d.LastName || ', ' || coalesce(d.FirstName, '') END AS AttendingDr,
       coalesce(o.AccountNum, m.AccountNum, '') AS AccountNum, coalesce(c.Company, '') AS Company,
       CASE WHEN o.OPDStatus = 'R' THEN 'REVOKED' WHEN o.BillingDate IS NOT NULL THEN 'BILLED' ELSE '' END AS Status
FROM PATIENT_DATA..tbOutPatient o
JOIN PATIENT_DATA..tbMaster m ON m.HospNum = o.HospNum
LEFT JOIN BUILD_FILE..tbCoAddress a ON a.ZipCode = m.ZipCode
LEFT JOIN BUILD_FILE..tbCoDoctor d ON d.DoctorID = o.DoctorID
LEFT JOIN BUILD_FILE..tbCoCompany c ON c.AccountNum = coalesce(o.AccountNum, m.AccountNum)
WHERE o.DcrDate IS NULL
  AND (o.IdNum = @Filter OR o.HospNum = @Filter
       OR (m.LastName >= @Filter AND m.LastName < @Filter || char(1114111)
           AND (@FirstName = '' OR (m.FirstName >= @FirstName AND m.FirstName < @FirstName || char(1114111)))))
ORDER BY CASE WHEN o.IdNum = @Filter OR o.HospNum = @Filter THEN 0 ELSE 1 END, m.LastName, m.FirstName, o.AdmDate DESC
LIMIT 200;
-- when: @List = '206' AND @Filter = '' AND @FirstName = ''
SELECT f.FileNum, f.HospNum, m.LastName, coalesce(m.FirstName, '') AS FirstName, coalesce(m.MiddleName, '') AS MiddleName,
       coalesce(f.ControlNum, '') AS ControlNum, f.CreatedDate
FROM RADIOLOGY..tbRadioFileNum f
JOIN PATIENT_DATA..tbMaster m ON m.HospNum = f.HospNum
WHERE f.RevenueID = @RevenueID
ORDER BY m.LastName, m.FirstName, f.FileNum
LIMIT 200;
-- when: @List = '206' AND (@Filter <> '' OR @FirstName <> '')
-- The files of a department only grow: a filter reads them by file number,
-- by hospital number and by the owner's name, each through its own index.
SELECT * FROM (
    SELECT f.FileNum, f.HospNum, m.LastName, coalesce(m.FirstName, '') AS FirstName,
           coalesce(m.MiddleName, '') AS MiddleName, coalesce(f.ControlNum, '') AS ControlNum, f.CreatedDate
    FROM RADIOLOGY..tbRadioFileNum f
    JOIN PATIENT_DATA..tbMaster m ON m.HospNum = f.HospNum
    WHERE @FirstName = '' AND f.RevenueID = @RevenueID AND f.FileNum >= @Filter AND f.FileNum < @Filter || char(1114111)
    UNION
    SELECT f.FileNum, f.HospNum, m.LastName, coalesce(m.FirstName, '') AS FirstName,
           coalesce(m.MiddleName, '') AS MiddleName, coalesce(f.ControlNum, '') AS ControlNum, f.CreatedDate
    FROM RADIOLOGY..tbRadioFileNum f
    JOIN PATIENT_DATA..tbMaster m ON m.HospNum = f.HospNum
    WHERE @FirstName = '' AND f.RevenueID = @RevenueID AND f.HospNum = @Filter
    UNION
    SELECT f.FileNum, f.HospNum, m.LastName, coalesce(m.FirstName, '') AS FirstName,
           coalesce(m.MiddleName, '') AS MiddleName, coalesce(f.ControlNum, '') AS ControlNum, f.CreatedDate
    FROM PATIENT_DATA..tbMaster m
    CROSS JOIN RADIOLOGY..tbRadioFileNum f ON f.HospNum = m.HospNum AND f.RevenueID = @RevenueID
    WHERE m.LastName >= @Filter AND m.LastName < @Filter || char(1114111)
      AND (@FirstName = '' OR (m.FirstName >= @FirstName AND m.FirstName < @FirstName || char(1114111))))
ORDER BY CASE WHEN FileNum = @Filter OR HospNum = @Filter THEN 0 ELSE 1 END, LastName, FirstName, FileNum
LIMIT 200;
