-- RADIOLOGY..spMRI_SearchRequestCancel
-- Finds charge lines whose slip may still be cancelled: every line of the
-- department's slips that is not cancelled yet and was not paid at the cashier
-- (a reference number beginning with "OR" is an official receipt).
-- Mode '0' is the exact look-up by request number or slip number; mode '1'
-- lists the lines of patients whose surname begins with the text (a backquote
-- counts as an apostrophe), mode '2' those whose slip number begins with it.
-- @Mode: '0' exact, '1' surname, '2' slip number
-- @RevenueID: the department; its examination lines come first
-- @Criteria: the text typed
-- returns: mode 0: RequestNum, RefNum, HospNum, IDNum, ExamID, Exam, DoctorID, Status, TransDate, SectionID; modes 1 and 2: RequestNum, RefNum, IDNum, LastName, FirstName, MiddleName, ExamID, Exam, TransDate
-- when: @Mode = '0'
SELECT r.RequestNum, r.RefNum, r.HospNum, r.IDNum, r.ItemID AS ExamID, r.Description AS Exam, r.DoctorID,
       r.Status, r.TransDate, o.SectionID
FROM RADIOLOGY..tbMRIRequest r
LEFT JOIN BUILD_FILE..tbCoOtherRevenue o ON o.OtherRevenueID = r.ItemID AND r.RevenueID = @RevenueID
WHERE r.Status <> 'R' AND substr(r.RefNum, 1, 2) <> 'OR'
  AND (r.RequestNum = @Criteria OR r.RefNum = @Criteria)
ORDER BY CASE WHEN r.RevenueID = @RevenueID THEN 0 ELSE 1 END, r.RequestNum;
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
                      AND LastName < replace(trim(@Criteria), '`', '''') || char(1114111))
ORDER BY m.LastName, m.FirstName, r.TransDate DESC, r.RefNum,
         CASE WHEN r.RevenueID = @RevenueID THEN 0 ELSE 1 END, r.RequestNum;
