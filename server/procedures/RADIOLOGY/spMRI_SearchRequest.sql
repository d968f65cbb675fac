-- RADIOLOGY..spMRI_SearchRequest
-- Finds examination requests for result entry and for reopening a result.
-- Mode '0' is the exact look-up: a request number or a charge slip number,
-- of a request that is waiting for its result, has one saved or verified (the
-- retrieval screen reopens stored results through it); waiting lines come first.
-- Mode '1' lists the requests waiting for their result whose patient's surname
-- begins with the text (a backquote counts as an apostrophe); mode '2' those
-- whose slip number begins with it. Only waiting requests are listed: a saved
-- result is changed from the retrieval screen, where its text is loaded, not
-- typed over here.
-- @Mode: '0' exact, '1' surname, '2' slip number
-- @RevenueID: the department of the examination lines
-- @Criteria: the text typed
-- returns: mode 0: RequestNum, RefNum, HospNum, IDNum, ExamID, Exam, DoctorID, Status, TransDate, SectionID; modes 1 and 2: RequestNum, RefNum, IDNum, LastName, FirstName, MiddleName, ExamID, Exam, TransDate
-- when: @Mode = '0'
SELECT r.RequestNum, r.RefNum, r.HospNum, r.IDNum, r.ItemID AS ExamID, r.Description AS Exam, r.DoctorID,
       r.Status, r.TransDate, o.SectionID
FROM RADIOLOGY..tbMRIRequest r
LEFT JOIN BUILD_FILE..tbCoOtherRevenue o ON o.OtherRevenueID = r.ItemID
WHERE r.RevenueID = @RevenueID AND r.Status IN ('W', 'X', 'Y')
  AND (r.RequestNum = @Criteria OR r.RefNum = @Criteria)
ORDER BY CASE r.Status WHEN 'W' THEN 0 ELSE 1 END, r.RequestNum;
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
                      AND LastName < replace(trim(@Criteria), '`', '''') || char(1114111))
ORDER BY m.LastName, m.FirstName, r.TransDate, r.RequestNum;
