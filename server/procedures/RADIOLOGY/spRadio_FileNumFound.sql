-- RADIOLOGY..spRadio_FileNumFound
-- The owner of a film file number in a department.
-- @RevenueID: the department
-- @FileNum: the film file number
-- returns: FileNum, HospNum, LastName, FirstName, MiddleName, ControlNum (no row: the number is free)
SELECT f.FileNum, f.HospNum, coalesce(m.LastName, '') AS LastName, coalesce(m.FirstName, '') AS FirstName,
       coalesce(m.MiddleName, '') AS MiddleName, coalesce(f.ControlNum, '') AS ControlNum
FROM RADIOLOGY..tbRadioFileNum f
LEFT JOIN PATIENT_DATA..tbMaster m ON m.HospNum = f.HospNum
WHERE f.RevenueID = @RevenueID AND f.FileNum = @FileNum;
