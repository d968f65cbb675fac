-- REPORTS..spRpt_MRIResult
-- One printed MRI result: the patient, the examination, the referring
-- physician, the interpretation (backquotes stored for apostrophes are shown
-- as apostrophes again), the radiologist and co-radiologist with their titles,
-- and who verified it and when.
-- @RequestNum: the request
-- returns: RequestNum, RefNum, HospNum, IDNum, PatientClass, PatientName, Sex, Age, RoomID, Examination, TransDate, ResultDate, ReferringPhysician, Interpretation, Remarks, FileNum, RadiologistName, RadiologistTitle, CoRadiologistName, CoRadiologistTitle, VerifyByID, VerifiedBy, VerifyDate (no row for an unknown request)
SELECT q.RequestNum, q.RefNum, q.HospNum, q.IDNum,
       CASE q.PatientType WHEN 'I' THEN 'IN-PATIENT' WHEN 'O' THEN 'OUT-PATIENT' ELSE 'CASH' END AS PatientClass,
       m.LastName || ', ' || isnull(m.FirstName, '') || ' ' || isnull(m.MiddleName, '') AS PatientName,
       CASE isnull(m.Sex, '') WHEN 'M' THEN 'Male' WHEN 'F' THEN 'Female' ELSE '' END AS Sex,
       CASE WHEN m.BirthDate IS NOT NULL THEN CAST(age_years(m.BirthDate) AS TEXT) ELSE isnull(m.Age, '') END AS Age,
       isnull(r.RoomID, q.RoomID) AS RoomID,
       isnull(nullif(r.TestTaken, ''), q.Description) AS Examination,
       q.TransDate, r.ResultDate,
       isnull((SELECT 'DR. ' || d.FirstName || ' ' || d.LastName FROM BUILD_FILE..tbCoDoctor d
               WHERE d.DoctorID = isnull(nullif(r.DoctorID, ''), q.DoctorID)), '') AS ReferringPhysician,
       replace(isnull(r.Interpretation, ''), '`', '''') AS Interpretation,
       replace(isnull(r.Remarks, ''), '`', '''') AS Remarks,
       isnull(r.FileNum, '') AS FileNum,
       isnull(rad.FirstName || ' ' || CASE WHEN isnull(rad.MiddleName, '') <> '' THEN substr(rad.MiddleName, 1, 1) || '. ' ELSE '' END || rad.LastName, '') AS RadiologistName,
       isnull(rad.Title, '') AS RadiologistTitle,
       isnull(co.FirstName || ' ' || CASE WHEN isnull(co.MiddleName, '') <> '' THEN substr(co.MiddleName, 1, 1) || '. ' ELSE '' END || co.LastName, '') AS CoRadiologistName,
       isnull(co.Title, '') AS CoRadiologistTitle,
       isnull(r.VerifyByID, '') AS VerifyByID,
       CASE WHEN isnull(r.VerifyByID, '') = '' THEN ''
            ELSE isnull((SELECT e.FirstName || ' ' || e.LastName FROM PASSWORD..tbPasswordMain e WHERE e.EmployeeID = r.VerifyByID), r.VerifyByID) END AS VerifiedBy,
       CASE WHEN isnull(r.VerifyByID, '') = '' THEN NULL ELSE r.VerifyDate END AS VerifyDate
FROM RADIOLOGY..tbMRIRequest q
LEFT JOIN RADIOLOGY..tbMRIResult r ON r.RequestNum = q.RequestNum
LEFT JOIN PATIENT_DATA..tbMaster m ON m.HospNum = q.HospNum
LEFT JOIN BUILD_FILE..tbCoDoctor rad ON rad.DoctorID = r.RadCode
LEFT JOIN BUILD_FILE..tbCoDoctor co ON co.DoctorID = nullif(r.CoRadiologistID, '')
WHERE q.RequestNum = @RequestNum;
