-- REPORTS..sp_Check_CurrentCharges
-- What a patient's bill already holds of one item: the net amount of its
-- charges less reversals, and when it was last charged.
-- @PatientKey: admission or OPD number
-- @RevenueID: department of the item
-- @ItemID: item code
-- returns: Amount, DateCharge (no row when the item was never charged)
SELECT sum(Amount) AS Amount,
       max(CASE WHEN Amount > 0 THEN TransDate END) AS DateCharge
FROM BILLING..tbPatientCharges
WHERE IDNum = @PatientKey AND RevenueID = @RevenueID AND ItemID = @ItemID
HAVING count(*) > 0;
