-- RADIOLOGY..spRadio_SearchFileNum
-- A patient's film file number in a department, or the folder of a file number.
-- @RevenueID: the department
-- @Mode: 2 finds the patient's folder by hospital number; 1 finds a folder by its number
-- @Key: hospital number (mode 2) or file number (mode 1)
-- returns: FileNum, HospNum, ControlNum (no row when there is none)
-- when: @Mode = '2'
SELECT FileNum, HospNum, ControlNum
FROM RADIOLOGY..tbRadioFileNum
WHERE RevenueID = @RevenueID AND HospNum = @Key
ORDER BY CreatedDate DESC
LIMIT 1;
-- when: @Mode <> '2'
SELECT FileNum, HospNum, ControlNum
FROM RADIOLOGY..tbRadioFileNum
WHERE RevenueID = @RevenueID AND FileNum = @Key;
