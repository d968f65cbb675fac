-- RADIOLOGY..spRadio_ListPreviousResults
-- A patient's examinations with stored results, newest first; or, given a
-- result's key, that one result with its interpretation. Only this
-- department's results are kept here: a department of "MI" or "" (all) lists
-- them, any other department lists none.
-- @Dept: department code, "" for all
-- @HospNum: hospital number
-- @Spare = '': not used
-- @ResultKey = '': the request number of one result
-- returns: Result Date, Request No., Code, Examination, HospNum, IDNum, Dept, Radiologist, TransDate, DoctorID, FileNum, ControlNum, RoomID, VerifyByID, VerifyDate, TestTaken, Remarks, ResultKey, CoRadiologistID, RadCode; with a key also Interpretation
-- when: @ResultKey = ''
SELECT tsql_convert('varchar(10)', x.ResultDate, 101) AS "Result Date", x.RequestNum AS "Request No.", x.ExamID AS Code,
       coalesce(o.OtherRevenue, x.TestTaken) AS Examination, x.HospNum, x.IDNum, 'MI' AS Dept,
       trim(isnull(d.FirstName, '') || ' ' || isnull(d.LastName, '')) AS Radiologist,
       tsql_convert('varchar(10)', x.TransDate, 101) AS TransDate, x.DoctorID, x.FileNum, x.ControlNum, x.RoomID,
       x.VerifyByID, x.VerifyDate, x.TestTaken, x.Remarks, x.RequestNum AS ResultKey, x.CoRadiologistID, x.RadCode
FROM RADIOLOGY..tbMRIResult x
LEFT JOIN BUILD_FILE..tbCoOtherRevenue o ON o.OtherRevenueID = x.ExamID
LEFT JOIN BUILD_FILE..tbCoDoctor d ON d.DoctorID = x.RadCode
WHERE x.HospNum = @HospNum AND @Dept IN ('', 'MI')
ORDER BY x.ResultDate DESC, x.RequestNum DESC;
-- when: @ResultKey <> ''
SELECT tsql_convert('varchar(10)', x.ResultDate, 101) AS "Result Date", x.RequestNum AS "Request No.", x.ExamID AS Code,
       coalesce(o.OtherRevenue, x.TestTaken) AS Examination, x.HospNum, x.IDNum, 'MI' AS Dept,
       trim(isnull(d.FirstName, '') || ' ' || isnull(d.LastName, '')) AS Radiologist,
       tsql_convert('varchar(10)', x.TransDate, 101) AS TransDate, x.DoctorID, x.FileNum, x.ControlNum, x.RoomID,
       x.VerifyByID, x.VerifyDate, x.TestTaken, x.Remarks, x.RequestNum AS ResultKey, x.CoRadiologistID, x.RadCode,
       x.Interpretation
FROM RADIOLOGY..tbMRIResult x
LEFT JOIN BUILD_FILE..tbCoOtherRevenue o ON o.OtherRevenueID = x.ExamID
LEFT JOIN BUILD_FILE..tbCoDoctor d ON d.DoctorID = x.RadCode
WHERE x.HospNum = @HospNum AND x.RequestNum = @ResultKey AND @Dept IN ('', 'MI');
