#pragma once

#include "TraEnvironment.h"
#include "TraExpressionNode.h"
#include "TraTokenType.h"

// Builds the node for an operator. Operands whose types are known to be
// Integers or numbers get nodes that compute on machine numbers; the others get
// nodes that evaluate values and let the left operand's type decide. Operands
// that are both constant are folded into a literal.
//
// The right operand is always evaluated before the left one.
TraExpressionPtr makeBinaryNode(TraTokenType op, TraExpressionPtr left, TraExpressionPtr right,
                                const TraEnvironment& environment);
// Unary "-", "+" and "not" (ttUnaryMinus, ttUnaryPlus, ttNot).
TraExpressionPtr makeUnaryNode(TraTokenType op, TraExpressionPtr operand, const TraEnvironment& environment);

// The compile-time type of an operator's result.
TraDataType resultDataType(TraTokenType op, TraDataType left, TraDataType right);

// For "s := s + t" on a String variable s: when `value` is that "+" and t
// always gives a String or Char, answers t and leaves `value` empty, so the
// assignment can append in place instead of copying s.
TraExpressionPtr takeAppendedOperand(TraExpressionPtr& value, const TraVariable* target);
