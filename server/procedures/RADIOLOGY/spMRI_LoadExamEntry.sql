-- RADIOLOGY..spMRI_LoadExamEntry
-- One exam of the MRI catalogue by its code.
-- @ExamID: the exam (item) code
-- returns: ExamID, Exam, RateA, RateB, RateC, RateD, RateE, Status (no row when the exam is not in the catalogue)
SELECT OtherRevenueID AS ExamID, OtherRevenue AS Exam, RateA, RateB, RateC, RateD, RateE, Status
FROM BUILD_FILE..tbCoOtherRevenue
WHERE OtherRevenueID = @ExamID AND RevenueID = 'MI';
