-- RADIOLOGY..spMRI_LoadRequest
-- One examination request with its patient, admission, referring physician
-- and the patient's film folder in the request's department, for result entry.
-- Request numbers joined by "|" (a film file number that matched several
-- requests) load the first of them.
-- @RequestNum: the request, or request numbers joined by "|"
-- returns: Code, RequestNum, RefNum, HospNum, IDNum, LastName, FirstName, MiddleName, Sex, CivilStatus, BirthDate, Age, AdmDate, RoomID, TransDate, Description, DoctorID, DrFirstName, DrMiddleName, DrLastName, FileNum, ControlNum, Status (no row when there is no such request)
SELECT r.ItemID AS Code, r.RequestNum, r.RefNum, r.HospNum, r.IDNum,
       m.LastName, m.FirstName, m.MiddleName, m.Sex, m.CivilStatus, m.BirthDate,
       coalesce(nullif(m.Age, ''), CAST(age_years(m.BirthDate) AS TEXT)) AS Age,
       coalesce(p.AdmDate, op.AdmDate, cr.PaidDate) AS AdmDate,
       r.RoomID, r.TransDate, r.Description, r.DoctorID,
       d.FirstName AS DrFirstName, d.MiddleName AS DrMiddleName, d.LastName AS DrLastName,
       f.FileNum, f.ControlNum, r.Status
FROM RADIOLOGY..tbMRIRequest r
JOIN PATIENT_DATA..tbMaster m ON m.HospNum = r.HospNum
LEFT JOIN PATIENT_DATA..tbPatient p ON p.IDNum = r.IDNum
LEFT JOIN PATIENT_DATA..tbOutPatient op ON op.IdNum = r.IDNum
LEFT JOIN BILLING..tbCashReceipt cr ON cr.ORNumber = r.RefNum
LEFT JOIN BUILD_FILE..tbCoDoctor d ON d.DoctorID = r.DoctorID
LEFT JOIN RADIOLOGY..tbRadioFileNum f
       ON f.rowid = (SELECT x.rowid FROM RADIOLOGY..tbRadioFileNum x
                     WHERE x.RevenueID = r.RevenueID AND x.HospNum = r.HospNum
                     ORDER BY x.CreatedDate DESC LIMIT 1)
WHERE r.RequestNum = CASE WHEN instr(@RequestNum, '|') > 0
                          THEN substr(@RequestNum, 1, instr(@RequestNum, '|') - 1)
                          ELSE @RequestNum END;
