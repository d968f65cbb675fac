-- RADIOLOGY..spRadio_LoadDischargeNoticeCount
-- Counts the discharge notices of patients this department charged during the
-- admission and has not cleared yet.
-- @RevenueID: the department
-- returns: RecCount
SELECT count(*) AS RecCount
FROM PATIENT_DATA..tbDischargeNotice n
WHERE EXISTS (SELECT 1 FROM RADIOLOGY..tbMRIRequest r
              WHERE r.IDNum = n.IDNum AND r.Status <> 'R')
  AND NOT EXISTS (SELECT 1 FROM RADIOLOGY..tbDischargeClearance c
                  WHERE c.IDNum = n.IDNum AND c.RevenueID = @RevenueID);
