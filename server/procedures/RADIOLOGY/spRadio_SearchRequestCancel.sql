-- RADIOLOGY..spRadio_SearchRequestCancel
-- Finds charge lines whose slip may still be cancelled (not cancelled, not
-- paid at the cashier) by film file number. Mode '0' takes the text as a film
-- file number of the department and returns the cancellable lines of the
-- patient who holds that folder, or the line of that request number; mode '1'
-- lists lines of patients whose surname or film file number begins with the
-- text (a backquote counts as an apostrophe); mode '2' by slip number.
-- @Mode: '0' exact, '1' surname or file number, '2' slip number
-- @RevenueID: the department
-- @Criteria: the text typed
-- returns: mode 0: RequestNum, RefNum, HospNum, IDNum, ExamID, Exam, SectionID, DoctorID, Status, TransDate, FileNum; modes 1 and 2: RequestNum, RefNum, IDNum, LastName, FirstName, MiddleName, ExamID, Exam, TransDate
-- when: @Mode = '0'
SELECT r.RequestNum, r.RefNum, r.HospNum, r.IDNum, r.ItemID AS ExamID, r.Description AS Exam, o.SectionID,
       r.DoctorID, r.Status, r.TransDate,
       (SELECT FileNum FROM RADIOLOGY..tbRadioFileNum WHERE RevenueID = @RevenueID AND FileNum = @Criteria) AS FileNum
FROM RADIOLOGY..tbMRIRequest r
LEFT JOIN BUILD_FILE..tbCoOtherRevenue o ON o.OtherRevenueID = r.ItemID AND r.RevenueID = @RevenueID
WHERE (r.HospNum IN (SELECT HospNum FROM RADIOLOGY..tbRadioFileNum WHERE RevenueID = @RevenueID AND FileNum = @Criteria)
       OR r.RequestNum = @Criteria)
  AND r.Status <> 'R' AND substr(r.RefNum, 1, 2) <> 'OR'
ORDER BY r.TransDate, r.RequestNum;
-- when: @Mode = '2'
SELECT r.RequestNum, r.RefNum, r.IDNum, m.LastName, m.FirstName, m.MiddleName, r.ItemID AS ExamID,
       r.Description AS Exam, tsql_convert('varchar(10)', r.TransDate, 101) AS TransDate
FROM RADIOLOGY..tbMRIRequest r
JOIN PATIENT_DATA..tbMaster m ON m.HospNum = r.HospNum
WHERE r.Status <> 'R' AND substr(r.RefNum, 1, 2) <> 'OR'
  AND r.RefNum >= trim(@Criteria) AND r.RefNum < trim(@Criteria) || char(1114111)
ORDER BY m.LastName, m.FirstName, r.TransDate DESC, r.RefNum,
         CASE WHEN r.RevenueID = @RevenueID THEN 0 ELSE 1 END, r.RequestNum;
-- when: @Mode <> '0' AND @Mode <> '2'
SELECT r.RequestNum, r.RefNum, r.IDNum, m.LastName, m.FirstName, m.MiddleName, r.ItemID AS ExamID,
       r.Description AS Exam, tsql_convert('varchar(10)', r.TransDate, 101) AS TransDate
FROM RADIOLOGY..tbMRIRequest r
JOIN PATIENT_DATA..tbMaster m ON m.HospNum = r.HospNum
WHERE r.Status <> 'R' AND substr(r.RefNum, 1, 2) <> 'OR'
  AND r.HospNum IN (SELECT HospNum FROM PATIENT_DATA..tbMaster
                    WHERE LastName >= replace(trim(@Criteria), '`', '''')
                      AND LastName < replace(trim(@Criteria), '`', '''') || char(1114111)
                    UNION
                    SELECT HospNum FROM RADIOLOGY..tbRadioFileNum
                    WHERE RevenueID = @RevenueID
                      AND FileNum >= trim(@Criteria) AND FileNum < trim(@Criteria) || char(1114111))
ORDER BY m.LastName, m.FirstName, r.TransDate DESC, r.RefNum,
         CASE WHEN r.RevenueID = @RevenueID THEN 0 ELSE 1 END, r.RequestNum;
