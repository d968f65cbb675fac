-- RADIOLOGY..spMRI_SaveResult2
-- Stores the result typed on the result entry screen: the result row of the
-- request (a second save of an unverified result replaces it), the request's
-- status 'X' (result saved), and the film folder: a new film file number is
-- registered to the patient, a known one keeps its holder and takes the
-- control number when it is higher than the folder's last one.
-- A verified result is not changed here (it is reopened from result
-- retrieval, after the edit-rights check); a cancelled or unknown request is refused.
-- @HospNum: hospital number
-- @IDNum: admission number
-- @RequestNum: request number
-- @ExamID: exam code
-- @TransDate: transaction date, mm/dd/yyyy
-- @ResultDate: result date, mm/dd/yyyy
-- @DoctorID: referring physician
-- @RadCode: radiologist
-- @Interpretation: the result text
-- @RoomID: room
-- @TranscribedByID: the user who saves
-- @Spare1: not used
-- @Spare2: not used
-- @Spare3: not used
-- @Spare4: not used
-- @Spare5: not used
-- @FileNum: film file number
-- @ControlNum: control number within the film folder (ten digits)
-- @DoctorID2: referring physician, again
-- @TestTaken: the test taken as shown
-- @CoRadiologistID: co-radiologist
-- @Remarks: remarks
-- returns: nothing
SELECT raise_error('Request ' || @RequestNum || ' does not exist.')
WHERE NOT EXISTS (SELECT 1 FROM RADIOLOGY..tbMRIRequest WHERE RequestNum = @RequestNum);
SELECT raise_error('Request ' || @RequestNum || ' has been cancelled; no result can be stored for it.')
WHERE EXISTS (SELECT 1 FROM RADIOLOGY..tbMRIRequest WHERE RequestNum = @RequestNum AND Status = 'R');
SELECT raise_error('The result of request ' || @RequestNum
                   || ' is already verified. Open it from Result Inquiry/Retrieval to change it.')
WHERE EXISTS (SELECT 1 FROM RADIOLOGY..tbMRIResult WHERE RequestNum = @RequestNum AND isnull(VerifyByID, '') <> '');
INSERT INTO RADIOLOGY..tbMRIResult (RequestNum, HospNum, IDNum, ExamID, TransDate, ResultDate, DoctorID, RadCode,
                                    CoRadiologistID, Interpretation, Remarks, RoomID, TranscribedByID, TranscribeDate,
                                    FileNum, ControlNum, TestTaken)
VALUES (@RequestNum, @HospNum, @IDNum, @ExamID, parse_date(@TransDate), parse_date(@ResultDate), @DoctorID, @RadCode,
        @CoRadiologistID, @Interpretation, @Remarks, @RoomID, @TranscribedByID, getdate(),
        @FileNum, @ControlNum, @TestTaken)
ON CONFLICT (RequestNum) DO UPDATE SET
    HospNum = excluded.HospNum, IDNum = excluded.IDNum, ExamID = excluded.ExamID, TransDate = excluded.TransDate,
    ResultDate = excluded.ResultDate, DoctorID = excluded.DoctorID, RadCode = excluded.RadCode,
    CoRadiologistID = excluded.CoRadiologistID, Interpretation = excluded.Interpretation,
    Remarks = excluded.Remarks, RoomID = excluded.RoomID, TranscribedByID = excluded.TranscribedByID,
    TranscribeDate = excluded.TranscribeDate, FileNum = excluded.FileNum, ControlNum = excluded.ControlNum,
    TestTaken = excluded.TestTaken;
UPDATE RADIOLOGY..tbMRIRequest SET Status = 'X' WHERE RequestNum = @RequestNum AND Status = 'W';
-- when: trim(@FileNum) <> ''
INSERT INTO RADIOLOGY..tbRadioFileNum (RevenueID, FileNum, HospNum, ControlNum, CreatedDate)
SELECT RevenueID, trim(@FileNum), @HospNum, @ControlNum, getdate()
FROM RADIOLOGY..tbMRIRequest WHERE RequestNum = @RequestNum
ON CONFLICT (RevenueID, FileNum) DO UPDATE SET
    ControlNum = CASE WHEN isnull(ControlNum, '') < excluded.ControlNum THEN excluded.ControlNum ELSE ControlNum END;
