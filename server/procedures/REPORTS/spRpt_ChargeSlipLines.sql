-- REPORTS..spRpt_ChargeSlipLines
-- Every line posted under a charge slip, in all four MRI departments
-- (examinations, readers' fees, supplies, medicines), except cancelled lines.
-- The slip and patient are named as in REPORTS..spRpt_ChargeSlip.
-- @SlipNumber: the charge slip number (entry screens)
-- @PatientKey: the admission or OPD number (entry screens); empty for any
-- @RefNum: the charge slip number (duplicate screen)
-- @IDNum: the admission or OPD number (duplicate screen)
-- returns: RequestNum, RevenueID, Department, ItemID, Description, Quantity, UnitPrice, Amount
SELECT q.RequestNum, q.RevenueID, isnull(rc.ItemName, q.RevenueID) AS Department, q.ItemID,
       isnull(q.Description, '') AS Description, q.Quantity,
       CASE WHEN q.Quantity <> 0 THEN q.Amount / q.Quantity ELSE q.Amount END AS UnitPrice,
       q.Amount
FROM RADIOLOGY..tbMRIRequest q
LEFT JOIN BUILD_FILE..tbCoRevenueCode rc ON rc.RevenueID = q.RevenueID
WHERE q.RefNum = coalesce(nullif(trim(@SlipNumber), ''), trim(@RefNum))
  AND (coalesce(nullif(trim(@PatientKey), ''), trim(@IDNum)) = ''
       OR q.IDNum = coalesce(nullif(trim(@PatientKey), ''), trim(@IDNum)))
  AND q.RevenueID IN ('MI', 'MD', 'MS', 'MZ')
  AND q.Status <> 'R'
ORDER BY CASE q.RevenueID WHEN 'MI' THEN 1 WHEN 'MD' THEN 2 WHEN 'MS' THEN 3 ELSE 4 END, q.RequestNum;
