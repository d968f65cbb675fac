-- RADIOLOGY..spMRI_VerifyResult
-- Verifies the stored result of a request: records who verified it and when,
-- and sets the request's status to 'Y' (verified). A request without a stored
-- result cannot be verified. The workstation sends the date only; verified
-- on the server's today, the time of day is kept too.
-- @RequestNum: request number
-- @VerifyByID: the verifying user's employee code
-- @VerifyDate: the verification date, MM/dd/yyyy
-- returns: nothing
SELECT raise_error('There is no stored result of request ' || @RequestNum || ' to verify.')
WHERE NOT EXISTS (SELECT 1 FROM RADIOLOGY..tbMRIResult WHERE RequestNum = @RequestNum);
UPDATE RADIOLOGY..tbMRIResult
SET VerifyByID = @VerifyByID,
    VerifyDate = CASE WHEN date(parse_date(@VerifyDate)) = date(getdate()) THEN getdate()
                      ELSE isnull(parse_date(@VerifyDate), getdate()) END
WHERE RequestNum = @RequestNum;
UPDATE RADIOLOGY..tbMRIRequest SET Status = 'Y' WHERE RequestNum = @RequestNum AND Status IN ('W', 'X');
