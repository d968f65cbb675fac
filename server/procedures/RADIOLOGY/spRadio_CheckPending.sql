-- RADIOLOGY..spRadio_CheckPending
-- Counts the requests that wards and clinics sent to a department and that
-- nobody has charged or revoked yet.
-- @RevenueID: the department
-- returns: TotalPending
SELECT count(*) AS TotalPending
FROM RADIOLOGY..tbNurseRequest
WHERE RevenueID = @RevenueID AND Status = 'P';
