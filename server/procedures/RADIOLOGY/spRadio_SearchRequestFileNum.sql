-- RADIOLOGY..spRadio_SearchRequestFileNum
-- Finds the examination requests waiting for their result by film file number.
-- Mode '0' takes the text as a film file number of the department and returns
-- every waiting request of the patient who holds that folder, oldest request
-- first; a request number is taken too, so that a row picked from the list is
-- read back. Mode '1' lists waiting requests of patients whose surname or film
-- file number begins with the text (a backquote counts as an apostrophe);
-- mode '2' those whose slip number begins with it.
-- @Mode: '0' exact, '1' surname or file number, '2' slip number
-- @RevenueID: the department
-- @Criteria: the text typed
-- returns: mode 0: RequestNum, RefNum, HospNum, IDNum, ExamID, Exam, SectionID, DoctorID, Status, TransDate, FileNum; modes 1 and 2: RequestNum, RefNum, IDNum, LastName, FirstName, MiddleName, ExamID, Exam, TransDate
-- when: @Mode = '0'
SELECT r.RequestNum, r.RefNum, r.HospNum, r.IDNum, r.ItemID AS ExamID, r.Description AS Exam, o.SectionID,
       r.DoctorID, r.Status, r.TransDate,
       (SELECT FileNum FROM RADIOLOGY..tbRadioFileNum WHERE RevenueID = @RevenueID AND FileNum = @Criteria) AS FileNum
FROM RADIOLOGY..tbMRIRequest r
LEFT JOIN BUILD_FILE..tbCoOtherRevenue o ON o.OtherRevenueID = r.ItemID
WHERE (r.HospNum IN (SELECT HospNum FROM RADIOLOGY..tbRadioFileNum WHERE RevenueID = @RevenueID AND FileNum = @Criteria)
       OR r.RequestNum = @Criteria)
  AND r.Status = 'W' AND r.RevenueID = @RevenueID
ORDER BY r.TransDate, r.RequestNum;
-- when: @Mode = '2'
SELECT r.RequestNum, r.RefNum, r.IDNum, m.LastName, m.FirstName, m.MiddleName, r.ItemID AS ExamID,
       r.Description AS Exam, tsql_convert('varchar(10)', r.TransDate, 101) AS TransDate
FROM RADIOLOGY..tbMRIRequest r
JOIN PATIENT_DATA..tbMaster m ON m.HospNum = r.HospNum
WHERE r.Status = 'W' AND r.RevenueID = @RevenueID
  AND r.RefNum >= trim(@Criteria) AND r.RefNum < trim(@Criteria) || char(1114111)
ORDER BY m.LastName, m.FirstName, r.TransDate, r.RequestNum;
-- when: @Mode <> '0' AND @Mode <> '2'
SELECT r.RequestNum, r.RefNum, r.IDNum, m.LastName, m.FirstName, m.MiddleName, r.ItemID AS ExamID,
       r.Description AS Exam, tsql_convert('varchar(10)', r.TransDate, 101) AS TransDate
FROM RADIOLOGY..tbMRIRequest r
JOIN PATIENT_DATA..tbMaster m ON m.HospNum = r.HospNum
WHERE r.Status = 'W' AND r.RevenueID = @RevenueID
  AND r.HospNum IN (SELECT HospNum FROM PATIENT_DATA..tbMaster
                    WHERE LastName >= replace(trim(@Criteria), '`', '''')
                      AND LastName < replace(trim(@Criteria), '`', '''') || char(1114111)
                    UNION
                    SELECT HospNum FROM RADIOLOGY..tbRadioFileNum
                    WHERE RevenueID = @RevenueID
                      AND FileNum >= trim(@Criteria) AND FileNum < trim(@Criteria) || char(1114111))
ORDER BY m.LastName, m.FirstName, r.TransDate, r.RequestNum;
