-- REPORTS..spRpt_ChargeSlip
-- The heading of a printed charge slip: the slip, its patient, the
-- requesting doctor, the paying account and who charged it. The entry screens
-- name the slip by position, the duplicate screen by @RefNum and @IDNum; the
-- first non-empty of each pair is used. Cancelled lines still name the patient.
-- @SlipNumber: the charge slip number (entry screens)
-- @PatientKey: the admission or OPD number (entry screens); empty for any
-- @RefNum: the charge slip number (duplicate screen)
-- @IDNum: the admission or OPD number (duplicate screen)
-- returns: RefNum, IDNum, HospNum, PatientType, PatientClass, KeyLabel, PatientName, Sex, Age, RoomID, DoctorName, Company, TransDate, EncoderName (no row when the slip has no line)
SELECT q.RefNum, q.IDNum, q.HospNum, q.PatientType,
       CASE q.PatientType WHEN 'I' THEN 'IN-PATIENT' WHEN 'O' THEN 'OUT-PATIENT' ELSE 'CASH' END AS PatientClass,
       CASE q.PatientType WHEN 'I' THEN 'Admission No.' WHEN 'O' THEN 'OPD No.' ELSE 'Patient No.' END AS KeyLabel,
       m.LastName || ', ' || isnull(m.FirstName, '') || ' ' || isnull(m.MiddleName, '') AS PatientName,
       isnull(m.Sex, '') AS Sex,
       CASE WHEN m.BirthDate IS NOT NULL THEN CAST(age_years(m.BirthDate) AS TEXT) ELSE isnull(m.Age, '') END AS Age,
       isnull(q.RoomID, '') AS RoomID,
       isnull((SELECT 'DR. ' || d.FirstName || ' ' || d.LastName FROM BUILD_FILE..tbCoDoctor d
               WHERE d.DoctorID = isnull(q.DoctorID, isnull(p.AttendingDrID, o.DoctorID))), '') AS DoctorName,
       isnull((SELECT c.AccountNum || ' - ' || c.Company FROM BUILD_FILE..tbCoCompany c
               WHERE c.AccountNum = isnull(p.AccountNum, o.AccountNum) AND c.AccountNum <> q.HospNum), '') AS Company,
       (SELECT min(TransDate) FROM RADIOLOGY..tbMRIRequest WHERE RefNum = q.RefNum AND IDNum = q.IDNum) AS TransDate,
       isnull((SELECT e.FirstName || ' ' || e.LastName FROM PASSWORD..tbPasswordMain e WHERE e.EmployeeID = q.UserID),
              isnull(q.UserID, '')) AS EncoderName
FROM RADIOLOGY..tbMRIRequest q
LEFT JOIN PATIENT_DATA..tbMaster m ON m.HospNum = q.HospNum
LEFT JOIN PATIENT_DATA..tbPatient p ON p.IDNum = q.IDNum
LEFT JOIN PATIENT_DATA..tbOutPatient o ON o.IdNum = q.IDNum
WHERE q.RefNum = coalesce(nullif(trim(@SlipNumber), ''), trim(@RefNum))
  AND (coalesce(nullif(trim(@PatientKey), ''), trim(@IDNum)) = ''
       OR q.IDNum = coalesce(nullif(trim(@PatientKey), ''), trim(@IDNum)))
ORDER BY CASE q.RevenueID WHEN 'MI' THEN 0 ELSE 1 END, q.TransDate, q.RequestNum
LIMIT 1;
