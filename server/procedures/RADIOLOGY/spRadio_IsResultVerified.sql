-- RADIOLOGY..spRadio_IsResultVerified
-- The verification of a request's result.
-- @RequestNum: the request
-- @DeptCode = '4': the imaging department's number (4 for MRI)
-- returns: RequestNum, VerifyByID, VerifyDate (no row when no result is stored)
SELECT RequestNum, isnull(VerifyByID, '') AS VerifyByID, VerifyDate
FROM RADIOLOGY..tbMRIResult
WHERE RequestNum = @RequestNum;
