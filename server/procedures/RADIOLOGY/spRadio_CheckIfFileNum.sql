-- RADIOLOGY..spRadio_CheckIfFileNum
-- Tells whether a text is a film file number of the department.
-- @FileNum: the text typed (trimmed)
-- @RevenueID: the department
-- returns: FileNum, HospNum, ControlNum (no row: not a film file number)
SELECT FileNum, HospNum, ControlNum
FROM RADIOLOGY..tbRadioFileNum
WHERE RevenueID = @RevenueID AND FileNum = @FileNum;
