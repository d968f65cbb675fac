-- RADIOLOGY..spMRI_NurseRequestByIdNum
-- The MRI requests a ward or clinic sent for one admission (or out-patient
-- registration) that are still pending, oldest first, in the order of the
-- charge grid's first columns: department, code, name, amount, quantity and
-- the ward's reference.
-- @IDNum: admission number or OPD number
-- returns: Department, Code, Exam, Amount, Quantity, Reference, RequestID, RequestingNurse, Remarks, RequestDate
SELECT n.RevenueID AS Department, n.ItemID AS Code, isnull(o.OtherRevenue, '') AS Exam,
       printf('%.2f', n.Amount) AS Amount, n.Quantity, isnull(n.RequestRef, '') AS Reference,
       n.RequestID, n.RequestingNurse, n.Remarks, n.RequestDate
FROM RADIOLOGY..tbNurseRequest n
LEFT JOIN BUILD_FILE..tbCoOtherRevenue o ON o.OtherRevenueID = n.ItemID
WHERE n.IDNum = @IDNum AND n.RevenueID = 'MI' AND n.Status = 'P'
ORDER BY n.RequestDate, n.RequestID;
