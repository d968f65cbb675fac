-- RADIOLOGY..spRadio_SaveComm_AutoPrint
-- Records the reading of an examination for the readers' commission: one row
-- per request; saving the result again updates that row instead of counting
-- the reading twice.
-- @RequestNum: request number
-- @IDNum: admission number
-- @HospNum: hospital number
-- @RoomID: room
-- @ExamID: exam code
-- @RevenueID: department
-- @UserID: the user who saved the result
-- @AutoPrint: 'N' (printed on request), 'Y' (printed automatically)
-- returns: nothing
UPDATE RADIOLOGY..tbRadioReading
SET IDNum = @IDNum, HospNum = @HospNum, RoomID = @RoomID, ExamID = @ExamID, RevenueID = @RevenueID,
    UserID = @UserID, AutoPrint = @AutoPrint, ReadDate = getdate()
WHERE RequestNum = @RequestNum;
INSERT INTO RADIOLOGY..tbRadioReading (RequestNum, IDNum, HospNum, RoomID, ExamID, RevenueID, UserID, AutoPrint, ReadDate)
SELECT @RequestNum, @IDNum, @HospNum, @RoomID, @ExamID, @RevenueID, @UserID, @AutoPrint, getdate()
WHERE NOT EXISTS (SELECT 1 FROM RADIOLOGY..tbRadioReading WHERE RequestNum = @RequestNum);
