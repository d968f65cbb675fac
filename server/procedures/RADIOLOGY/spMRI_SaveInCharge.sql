-- RADIOLOGY..spMRI_SaveInCharge
-- Records one MRI exam requested for an admitted patient: the request line,
-- waiting for its result (status W), under a new request number from the
-- MRIRequest counter, and its charge to the admission's bill.
-- @IDNum: admission number
-- @ItemID: exam code
-- @Description: exam name as the clerk saw it
-- @Quantity: quantity (text that is no number counts as 1)
-- @Amount: amount, "0.00"
-- @HospNum: hospital number
-- @DoctorID: requesting (attending) doctor
-- @RoomID: the patient's room
-- @UserID: employee code of the clerk
-- @RefNum: charge slip number
-- @Film1: film count 1 (empty in this department)
-- @Film2: film count 2
-- @Film3: film count 3
-- @Film4: film count 4
-- @Film5: film count 5
-- @Film6: film count 6
-- @Film7: film count 7
-- @RequestRef: the ward's request reference, when the exam came from a ward
-- returns: RequestNum
-- when: NOT EXISTS (SELECT 1 FROM PATIENT_DATA..tbPatient WHERE IDNum = @IDNum)
SELECT raise_error('Admission ' || @IDNum || ' is not on file.');
-- when: NOT EXISTS (SELECT 1 FROM BUILD_FILE..tbCoOtherRevenue WHERE OtherRevenueID = @ItemID AND RevenueID = 'MI')
SELECT raise_error('Exam ' || @ItemID || ' is not in the MRI catalogue.');
-- when: NOT EXISTS (SELECT 1 FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest')
SELECT raise_error('The request number counter MRIRequest is missing.');
INSERT INTO RADIOLOGY..tbMRIRequest (RequestNum, RefNum, RevenueID, PatientType, HospNum, IDNum, ItemID, Description,
                                     Quantity, Amount, DoctorID, RoomID, UserID, TransDate, Status, RequestRef,
                                     Film1, Film2, Film3, Film4, Film5, Film6, Film7)
SELECT CAST(Value AS TEXT), @RefNum, 'MI', 'I', @HospNum, @IDNum, @ItemID, @Description,
       CASE WHEN is_numeric(@Quantity) = 1 THEN CAST(@Quantity AS REAL) ELSE 1 END,
       CASE WHEN is_numeric(@Amount) = 1 THEN CAST(@Amount AS REAL) ELSE 0 END,
       @DoctorID, @RoomID, @UserID, getdate(), 'W', @RequestRef,
       @Film1, @Film2, @Film3, @Film4, @Film5, @Film6, @Film7
FROM RADIOLOGY..tbRadioCounter
WHERE Name = 'MRIRequest';
INSERT INTO BILLING..tbPatientCharges (PatientType, IDNum, HospNum, RevenueID, ItemID, Description, Quantity, Amount,
                                       RefNum, RequestNum, TransDate, UserID)
SELECT PatientType, IDNum, HospNum, RevenueID, ItemID, Description, Quantity, Amount, RefNum, RequestNum, TransDate, UserID
FROM RADIOLOGY..tbMRIRequest
WHERE RequestNum = (SELECT CAST(Value AS TEXT) FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest');
UPDATE RADIOLOGY..tbRadioCounter SET Value = Value + 1 WHERE Name = 'MRIRequest';
SELECT CAST(Value - 1 AS TEXT) AS RequestNum FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest';
