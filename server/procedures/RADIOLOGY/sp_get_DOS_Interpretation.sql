-- RADIOLOGY..sp_get_DOS_Interpretation
-- The results kept from the hospital's former system for a film file number,
-- newest first, each as one text: the exam date and name, then the reading.
-- @FileNum: film file number
-- returns: Interpretation (no row when there is none)
SELECT tsql_convert('varchar(10)', ExamDate, 101) || '  ' || isnull(Exam, '') || char(10) || isnull(Interpretation, '')
       AS Interpretation
FROM RADIOLOGY..tbDOSInterpretation
WHERE FileNum = @FileNum AND trim(@FileNum) <> ''
ORDER BY ExamDate DESC;
