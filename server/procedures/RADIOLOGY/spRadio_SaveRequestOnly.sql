-- RADIOLOGY..spRadio_SaveRequestOnly
-- Records the request line of a supply or medicine charged with an exam (its
-- stock movement is recorded just before, through the stock card): a line of
-- the item's department (status X) under a new request number from the
-- MRIRequest counter, and its charge to the patient's bill.
-- @RevenueID: the department that charges (MI)
-- @HospNum: hospital number
-- @IDNum: admission number or OPD number
-- @ItemID: the stock item's code
-- @DoctorID: requesting doctor
-- @Quantity: quantity
-- @Amount: amount, "0.00"
-- @RoomID: the patient's room
-- @RefNum: charge slip number
-- @Department: the item's department (MS supplies, MZ medicines)
-- @UserID: employee code of the clerk
-- returns: RequestNum
-- when: NOT EXISTS (SELECT 1 FROM PATIENT_DATA..tbPatient WHERE IDNum = @IDNum) AND NOT EXISTS (SELECT 1 FROM PATIENT_DATA..tbOutPatient WHERE IdNum = @IDNum)
SELECT raise_error('Admission or registration ' || @IDNum || ' is not on file.');
-- when: NOT EXISTS (SELECT 1 FROM BUILD_FILE..tbInvMaster i JOIN BUILD_FILE..tbCoRevenueCode r ON r.LocationID = i.LocationID WHERE r.RevenueID = @Department AND i.ItemID = @ItemID)
SELECT raise_error('Item ' || @ItemID || ' is not stocked for department ' || @Department || '.');
-- when: NOT EXISTS (SELECT 1 FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest')
SELECT raise_error('The request number counter MRIRequest is missing.');
INSERT INTO RADIOLOGY..tbMRIRequest (RequestNum, RefNum, RevenueID, PatientType, HospNum, IDNum, ItemID, Description,
                                     Quantity, Amount, DoctorID, RoomID, UserID, TransDate, Status, LocationID, InvCode)
SELECT CAST(c.Value AS TEXT), @RefNum, r.RevenueID,
       CASE WHEN EXISTS (SELECT 1 FROM PATIENT_DATA..tbPatient WHERE IDNum = @IDNum) THEN 'I' ELSE 'O' END,
       @HospNum, @IDNum, i.ItemID, i.DrugName,
       CASE WHEN is_numeric(@Quantity) = 1 THEN CAST(@Quantity AS REAL) ELSE 0 END,
       CASE WHEN is_numeric(@Amount) = 1 THEN CAST(@Amount AS REAL) ELSE 0 END,
       @DoctorID, @RoomID, @UserID, getdate(), 'X', r.LocationID, r.InvCode
FROM RADIOLOGY..tbRadioCounter c
JOIN BUILD_FILE..tbCoRevenueCode r ON r.RevenueID = @Department
JOIN BUILD_FILE..tbInvMaster i ON i.LocationID = r.LocationID AND i.ItemID = @ItemID
WHERE c.Name = 'MRIRequest';
INSERT INTO BILLING..tbPatientCharges (PatientType, IDNum, HospNum, RevenueID, ItemID, Description, Quantity, Amount,
                                       RefNum, RequestNum, TransDate, UserID)
SELECT PatientType, IDNum, HospNum, RevenueID, ItemID, Description, Quantity, Amount, RefNum, RequestNum, TransDate, UserID
FROM RADIOLOGY..tbMRIRequest
WHERE RequestNum = (SELECT CAST(Value AS TEXT) FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest');
UPDATE RADIOLOGY..tbRadioCounter SET Value = Value + 1 WHERE Name = 'MRIRequest';
SELECT CAST(Value - 1 AS TEXT) AS RequestNum FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest';
